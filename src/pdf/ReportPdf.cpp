#include "ReportPdf.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

namespace volmar::pdf {

bool HtmlToPdf(const std::string& html, const std::string& title, std::string& out, std::string* error)
{
    if (!QGuiApplication::instance()) {
        if (error) *error = "PDF output needs the GUI libraries' application object";
        return false;
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(QString::fromStdString(title));
        writer.setCreator(QStringLiteral("VOLMAR"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        QTextDocument doc;
        doc.setHtml(QString::fromStdString(html));
        doc.print(&writer);
    }
    buffer.close();
    if (buffer.data().isEmpty()) {
        if (error) *error = "the PDF writer produced nothing";
        return false;
    }
    out.assign(buffer.data().constData(), static_cast<size_t>(buffer.data().size()));
    return true;
}

struct GuiForPdf::State {
    int argc = 1;
    char name[16] = "volmar-cli";
    char* argv[2] = {name, nullptr};
    QGuiApplication* app = nullptr;
};

GuiForPdf::GuiForPdf() : state_(new State)
{
    if (QGuiApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    state_->app = new QGuiApplication(state_->argc, state_->argv);
}

GuiForPdf::~GuiForPdf()
{
    delete state_->app;
    delete state_;
}

}  // namespace volmar::pdf
