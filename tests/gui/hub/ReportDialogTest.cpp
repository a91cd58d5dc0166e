// The settings report from the hub: "Report..." previews the hub's record,
// Save writes HTML that parses and a PDF with pages, a failed save says so,
// and Print lays the report out for the printer's pages.
#include <gtest/gtest.h>

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QXmlStreamReader>
#include <cstring>
#include <memory>

#include "HubTestSupport.h"
#include "Process.h"
#include "RecordFactory.h"
#include "gui/hub/ReportPreview.h"
#include "gui/hub/CDlgSetMain.h"

namespace volmar::gui {
namespace {

using testing::ReadFile;
using testing::TempDir;

// The page count a PDF's page tree declares; 0 when there is none.
int PdfPageCount(const std::string& pdf)
{
    const QRegularExpression count(QStringLiteral("/Type\\s*/Pages\\b[^>]*?/Count\\s+(\\d+)"));
    const QRegularExpressionMatch m = count.match(QString::fromLatin1(pdf.data(), static_cast<qsizetype>(pdf.size())));
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

int XmlErrorsAndHeadings(const std::string& html, int* headings)
{
    QXmlStreamReader xml(QByteArray::fromStdString(html));
    *headings = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("h2")) ++*headings;
    }
    return xml.hasError() ? 1 : 0;
}

class ReportDialog : public ::testing::Test {
protected:
    ReportDialog()
    {
        AiChannel& ai = m_record->IO.AI[0];
        ai.TYPE = 1;
        std::strcpy(ai.NAME, "Tank <level>");
    }

    test::TestContext m_ctx;
    std::unique_ptr<SettingRecord> m_record = testing::MakeDefaultRecord();
    TempDir m_dir;
};

TEST_F(ReportDialog, HubButtonPreviewsTheHubsRecord)
{
    CDlgSetMain hub(*m_record, "/data/plant.xml", m_ctx.app);
    hub.show();
    QString preview;
    auto ran = test::OnNextModal<ReportPreview>([&](ReportPreview* dialog) {
        preview = dialog->Browser()->toPlainText();
        QTest::mouseClick(dialog->findChild<QPushButton*>("close"), Qt::LeftButton);
    });
    QTest::mouseClick(hub.findChild<QPushButton*>("report"), Qt::LeftButton);
    EXPECT_TRUE(*ran);
    EXPECT_TRUE(preview.contains(QStringLiteral("Settings report: /data/plant.xml"))) << preview.toStdString();
    EXPECT_TRUE(preview.contains(QStringLiteral("Tank <level>")));
    EXPECT_TRUE(preview.contains(QStringLiteral("Analog input (AI)")));
    EXPECT_FALSE(preview.contains(QStringLiteral("Pulse input (PI)")));
}

// A report of many pages is laid out off the window's thread; the layout
// of a long document starts Qt timers there, which only a thread Qt
// started can run (Qt warns otherwise, and the test main fails the test).
TEST_F(ReportDialog, LongReportSavesAsPdf)
{
    for (AiChannel& ai : m_record->IO.AI) ai.TYPE = 1;
    for (PiChannel& pi : m_record->IO.PI) pi.TYPE = 1;
    ReportPreview dialog(*m_record, "plant.xml", m_ctx.ui);
    dialog.SetPathChooser([&](QWidget*, const std::string&) -> std::optional<std::string> {
        return m_dir.File("long.pdf");
    });
    dialog.OnSave();
    EXPECT_EQ(m_ctx.ui.Texts(), std::vector<std::string>{"File saved."});
    EXPECT_GT(PdfPageCount(ReadFile(m_dir.File("long.pdf"))), 2);
}

TEST_F(ReportDialog, SavesHtmlAndPdfPrintsAndReportsAFailedSave)
{
    ReportPreview dialog(*m_record, "plant.xml", m_ctx.ui);
    std::vector<std::string> paths = {m_dir.File("r.html"), m_dir.File("r.PDF"), m_dir.File("missing/r.html")};
    std::string suggested;
    dialog.SetPathChooser([&](QWidget*, const std::string& s) -> std::optional<std::string> {
        suggested = s;
        std::string p = paths.front();
        paths.erase(paths.begin());
        return p;
    });
    for (int i = 0; i < 3; ++i) dialog.OnSave();
    EXPECT_EQ(suggested, "plant-report.html");
    ASSERT_EQ(m_ctx.ui.shown.size(), 3u);
    EXPECT_EQ(m_ctx.ui.shown[0].text, "File saved.");
    EXPECT_EQ(m_ctx.ui.shown[1].text, "File saved.");
    EXPECT_EQ(m_ctx.ui.shown[2].icon, MessageIcon::Error);

    const std::string html = ReadFile(m_dir.File("r.html"));
    EXPECT_EQ(html, dialog.Html());
    int headings = 0;
    EXPECT_EQ(XmlErrorsAndHeadings(html, &headings), 0);
    EXPECT_EQ(headings, 4);  // unit, network, AI, record

    const std::string pdf = ReadFile(m_dir.File("r.PDF"));
    EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
    EXPECT_GT(PdfPageCount(pdf), 0);

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                      QPageLayout::Millimeter));  // as the saved PDF's pages
    printer.setOutputFileName(QString::fromStdString(m_dir.File("printed.pdf")));
    dialog.PrintTo(printer);
    EXPECT_EQ(PdfPageCount(ReadFile(m_dir.File("printed.pdf"))), PdfPageCount(pdf));
}

}  // namespace
}  // namespace volmar::gui
