#include "ReportPdf.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

namespace volmar::pdf {

void PaintHtml(const std::string& html, QPagedPaintDevice& device)
{
    const qreal footer = device.logicalDpiY() * 0.3;  // inches
    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(&device);
    doc.setPageSize(QSizeF(device.width(), device.height() - footer));
    doc.setHtml(QString::fromStdString(html));
    const int pages = doc.pageCount();
    const QSizeF page = doc.pageSize();
    QPainter painter(&device);
    painter.setFont(doc.defaultFont());
    for (int i = 0; i < pages; ++i) {
        if (i > 0) device.newPage();
        const QRectF area(0, page.height() * i, page.width(), page.height());
        painter.save();
        painter.translate(0, -area.top());
        doc.drawContents(&painter, area);
        painter.restore();
        painter.drawText(QRectF(0, page.height(), page.width(), footer), Qt::AlignRight | Qt::AlignBottom,
                         QStringLiteral("%1 / %2").arg(i + 1).arg(pages));
    }
}

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
        PaintHtml(html, writer);
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
