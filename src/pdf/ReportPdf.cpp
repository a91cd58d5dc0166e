#include "pdf/ReportPdf.h"

#include "pdf/WideTables.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QScreen>
#include <QTextDocument>
#include <QTextOption>

namespace volmar::pdf {

namespace {

// Device units per CSS pixel: Qt's rich text takes pixels at the screen's
// logical resolution (96 without a screen) and scales them to the device.
qreal PixelScale(const QPaintDevice& device)
{
    qreal screenDpi = 96;
    if (!QCoreApplication::testAttribute(Qt::AA_Use96Dpi))
        if (const QScreen* screen = QGuiApplication::primaryScreen()) screenDpi = qRound(screen->logicalDotsPerInchY());
    return device.logicalDpiY() / screenDpi;
}

}  // namespace

std::unique_ptr<QTextDocument> LayOutHtml(const std::string& html, QPaintDevice& device)
{
    auto doc = std::make_unique<QTextDocument>();
    // Leaves out the screen-only rules: the body margin, which Qt would give
    // every table as side margins, pushing wide ones past the page's edge.
    doc->setMetaInformation(QTextDocument::CssMedia, QStringLiteral("print"));
    QTextOption option = doc->defaultTextOption();
    option.setWrapMode(QTextOption::WordWrap);  // never inside a word
    doc->setDefaultTextOption(option);
    doc->setHtml(QString::fromStdString(html));
    LetOverlongWordsBreak(*doc, device, device.width(), PixelScale(device));
    doc->documentLayout()->setPaintDevice(&device);
    doc->setPageSize(QSizeF(device.width(), -1));
    doc->size();  // lays it out
    return doc;
}

std::vector<PagePlan> PlanPdfPages(const QTextDocument& doc, const QPaintDevice& device)
{
    return PlanPages(doc, device.height() - FooterHeight(device), PixelScale(device));
}

qreal FooterHeight(const QPaintDevice& device)
{
    return device.logicalDpiY() * 0.3;  // inches
}

void PaintHtml(const std::string& html, QPagedPaintDevice& device)
{
    const std::unique_ptr<QTextDocument> doc = LayOutHtml(html, device);
    const std::vector<PagePlan> pages = PlanPdfPages(*doc, device);
    const qreal footer = FooterHeight(device);
    const qreal width = device.width();
    const qreal height = device.height() - footer;
    QPainter painter(&device);
    painter.setFont(doc->defaultFont());
    for (size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) device.newPage();
        qreal at = 0;
        for (const Slice& s : pages[i]) {
            painter.save();
            painter.translate(0, at - s.top);
            doc->drawContents(&painter, QRectF(0, s.top, width, s.bottom - s.top));
            painter.restore();
            at += s.bottom - s.top;
        }
        painter.drawText(QRectF(0, height, width, footer), Qt::AlignRight | Qt::AlignBottom,
                         QStringLiteral("%1 / %2").arg(i + 1).arg(pages.size()));
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

GuiForPdf::GuiForPdf() : m_state(new State)
{
    if (QGuiApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    m_state->app = new QGuiApplication(m_state->argc, m_state->argv);
}

GuiForPdf::~GuiForPdf()
{
    delete m_state->app;
    delete m_state;
}

}  // namespace volmar::pdf
