#include "gui/hub/ReportPreview.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

#include "pdf/ReportPdf.h"
#include "gui/common/AppContext.h"
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

ReportPreview::ReportPreview(const SettingRecord& record, const std::string& source, Interaction& ui,
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

void ReportPreview::OnSave()
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

void ReportPreview::OnPrint()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromStdString(m_title));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    PrintTo(printer);
}

void ReportPreview::PrintTo(QPrinter& printer)
{
    RunBehindWaitWindow(this, [&] {
        pdf::PaintHtml(m_html, printer);
        return true;
    });
}

}  // namespace volmar::gui
