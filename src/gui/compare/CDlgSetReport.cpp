#include "gui/compare/CDlgSetReport.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

#include "pdf/ReportPdf.h"
#include "gui/app/AppContext.h"
#include "gui/common/ScreenshotRegistry.h"
#include "gui/common/SettingFileSave.h"
#include "gui/common/BackgroundJob.h"
#include "core/link/transfer/Interaction.h"
#include "core/report/ReportBuilder.h"
#include "core/report/ReportHtml.h"

namespace volmar::gui {
namespace {

bool EndsWithPdf(const std::string& path)
{
    return QString::fromStdString(path).endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive);
}

// "dir/name.xml" -> "dir/name-report.html"; "" -> "report.html".
std::string SuggestedName(const std::string& source)
{
    QString base = QString::fromStdString(source);
    if (base.endsWith(QStringLiteral(".xml"), Qt::CaseInsensitive)) base.chop(4);
    if (base.isEmpty() || base.contains(QLatin1Char(' '))) return "report.html";
    return (base + QStringLiteral("-report.html")).toStdString();
}

}  // namespace

std::optional<std::string> AskReportPath(QWidget* parent, const std::string& suggested)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({QStringLiteral("HTML file (*.html)"), QStringLiteral("PDF file (*.pdf)")});
    dialog.setDefaultSuffix(QStringLiteral("html"));
    dialog.selectFile(QString::fromStdString(suggested));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        dialog.setDefaultSuffix(filter.contains(QStringLiteral("pdf")) ? QStringLiteral("pdf") : QStringLiteral("html"));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst().toStdString();
}

CDlgSetReport::CDlgSetReport(const SettingRecord& record, const std::string& source, Interaction& ui,
                             QWidget* parent)
    : QDialog(parent),
      m_ui(ui),
      m_html(report::RenderHtml(report::BuildReport(record, report::MakeHeader(source)))),
      m_title("Settings report: " + source),
      m_suggested(SuggestedName(source)),
      m_browser(new QTextBrowser(this)),
      m_choosePath(AskReportPath)
{
    setWindowTitle(QStringLiteral("Settings report"));
    m_browser->setObjectName(QStringLiteral("preview"));
    m_browser->setOpenLinks(false);
    m_browser->setMinimumSize(720, 520);
    m_browser->setHtml(QString::fromStdString(m_html));

    auto* buttons = new QHBoxLayout;
    auto add = [&](const char* name, const QString& text, auto action) {
        auto* button = new QPushButton(text, this);
        button->setObjectName(QString::fromUtf8(name));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, action);
        buttons->addWidget(button);
        return button;
    };
    add("save", QStringLiteral("Save..."), [this] { OnSave(); });
    add("print", QStringLiteral("Print..."), [this] { OnPrint(); });
    buttons->addStretch(1);
    add("close", QStringLiteral("Close"), [this] { accept(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_browser, 1);
    layout->addLayout(buttons);
    resize(760, 640);
}

void CDlgSetReport::OnSave()
{
    const std::optional<std::string> path = m_choosePath(this, m_suggested);
    if (!path) return;
    std::string bytes = m_html;
    if (EndsWithPdf(*path)) {
        // A large setting takes seconds to lay out: off the window's thread,
        // behind "Please wait".
        std::string error;
        const bool made =
            RunBehindWaitWindow(this, [&] { return pdf::HtmlToPdf(m_html, m_title, bytes, &error); });
        if (!made) {
            m_ui.Show({MessageIcon::Error, "Failed to save file."});
            return;
        }
    }
    switch (SaveSettingFile(*path, bytes)) {
    case SaveOutcome::CannotOpen: m_ui.Show({MessageIcon::Error, "Failed to Open File"}); return;
    case SaveOutcome::WriteFailed: m_ui.Show({MessageIcon::Error, "Failed to save file."}); return;
    case SaveOutcome::Saved: break;
    }
    m_ui.Show({MessageIcon::Information, "File saved."});
}

void CDlgSetReport::OnPrint()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromStdString(m_title));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    PrintTo(printer);
}

void CDlgSetReport::PrintTo(QPrinter& printer)
{
    RunBehindWaitWindow(this, [&] {
        pdf::PaintHtml(m_html, printer);
        return true;
    });
}

VOLMAR_SCREENSHOT("report", [](ScreenshotEnv& env) {
    // A new setting with one analog input in use, so the preview shows a
    // channel with its zones.
    auto record = std::make_unique<SettingRecord>(env.record);
    AiChannel& ai = record->IO.AI[0];
    ai.TYPE = 1;
    StoreText(ai.NAME, sizeof ai.NAME, "Tank level", 10);
    StoreText(ai.UNIT, sizeof ai.UNIT, "m", 1);
    ai.SCALE_100 = 4.0;
    ai.USE_AREAS = 3;
    ai.AREA[0].LEVEL_UPPER = ai.AREA[1].LEVEL_LOWER = 0.5;
    ai.AREA[1].LEVEL_UPPER = ai.AREA[2].LEVEL_LOWER = 3.5;
    return std::make_unique<CDlgSetReport>(*record, std::string("volmar.xml"), env.app.ui);
});

}  // namespace volmar::gui
