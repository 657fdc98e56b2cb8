#include "toolkit/qt/qt_output.h"

#include "toolkit/qt/qt_picture.h"
#include "toolkit/qt/qt_vector_graphics.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QMimeData>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>
#include <memory>

namespace tk::qt {

namespace {

constexpr const char* kCreator = "Parvok";
// Logical pixels per inch, as CSS and the desktop count them: what a picture's size on paper
// and an SVG's size in millimetres follow.
constexpr int kPixelsPerInch = 96;
constexpr double kInchesPerMetre = 1 / 0.0254;

QString Title(const tk::Drawing& drawing) {
    return QString::fromStdString(drawing.title);
}

// Text as an element of an SVG document holds it, for the title and the description, which Qt's
// SVG writer puts in as they are (it escapes only the texts drawn): the markup characters escaped,
// and each character that XML forbids (a control character other than a tab or a line end, U+FFFE
// or U+FFFF) as U+FFFD, as Qt reads what is not UTF-8.
QString XmlText(QString text) {
    for (QChar& c : text)
        if ((c < u' ' && c != u'\t' && c != u'\n' && c != u'\r') || c == u'\uFFFE' || c == u'\uFFFF')
            c = QChar::ReplacementCharacter;
    return text.toHtmlEscaped();
}

QByteArray PngOf(const tk::Drawing& drawing) {
    const QImage image = ImageOf(drawing);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (image.isNull() || !buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return {};
    return bytes;
}

// One page of the drawing's size, a logical pixel a point.
QByteArray PdfOf(const tk::Drawing& drawing) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return {};
    QPdfWriter pdf(&buffer);
    pdf.setTitle(Title(drawing));
    pdf.setCreator(kCreator);
    const QPageSize size(QSizeF(drawing.width, drawing.height), QPageSize::Point, QString(),
                         QPageSize::ExactMatch);
    pdf.setPageLayout(QPageLayout(size, QPageLayout::Portrait, QMarginsF()));
    {
        QtVectorGraphics g(&pdf, UnitsPerPoint(pdf));
        if (!g.Painter().isActive())
            return {};
        drawing.draw(g);
    }
    return bytes;
}

std::string Reason(const QFileDevice& file) {
    return file.errorString().toStdString();
}

} // namespace

QImage ImageOf(const tk::Drawing& drawing) {
    const qreal ratio = 2 * ScreenRatio();
    QImage image(int(std::ceil(drawing.width * ratio)), int(std::ceil(drawing.height * ratio)),
                 QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.setDevicePixelRatio(ratio);
    const int dotsPerMetre = int(std::lround(ratio * kPixelsPerInch * kInchesPerMetre));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    QtGraphics g(&image);
    drawing.draw(g);
    return image;
}

QByteArray SvgOf(const tk::Drawing& drawing) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(drawing.width, drawing.height));
    svg.setViewBox(QRect(0, 0, drawing.width, drawing.height));
    svg.setResolution(kPixelsPerInch);
    svg.setTitle(XmlText(Title(drawing)));
    svg.setDescription(XmlText(QStringLiteral("Made by %1").arg(kCreator)));
    {
        QtVectorGraphics g(&svg, 1);
        if (!g.Painter().isActive())
            return {};
        drawing.draw(g);
    }
    return bytes;
}

bool PrintOn(QPrinter& printer, const tk::Drawing& drawing) {
    QPainter painter;
    if (drawing.width <= 0 || drawing.height <= 0 || !painter.begin(&printer))
        return false;
    const QSizeF area = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    const qreal scale = std::min(area.width() / drawing.width, area.height() / drawing.height);
    painter.translate((area.width() - drawing.width * scale) / 2, 0);
    {
        QtVectorGraphics g(&painter, scale);
        drawing.draw(g);
    }
    return painter.end();
}

std::string QtOutput::Encode(const tk::Drawing& drawing, tk::PictureFormat format) {
    QByteArray bytes;
    switch (format) {
    case tk::PictureFormat::Png:
        bytes = PngOf(drawing);
        break;
    case tk::PictureFormat::Svg:
        bytes = SvgOf(drawing);
        break;
    case tk::PictureFormat::Pdf:
        bytes = PdfOf(drawing);
        break;
    }
    return bytes.toStdString();
}

// QSaveFile writes to a temporary file in the same folder and renames it over the target only
// once everything is written; whatever fails, the temporary file goes.
std::string QtOutput::WriteFile(const std::string& path, std::string_view contents) {
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly))
        return Reason(file);
    const auto size = qint64(contents.size());
    if (file.write(contents.data(), size) != size) {
        std::string reason = Reason(file);
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return Reason(file);
    return {};
}

void QtOutput::CopyToClipboard(const tk::Drawing& drawing) {
    auto data = std::make_unique<QMimeData>();
    data->setImageData(ImageOf(drawing));
    data->setData(QStringLiteral("image/svg+xml"), SvgOf(drawing));
    QApplication::clipboard()->setMimeData(data.release());
}

tk::PrintResult QtOutput::Print(const tk::Drawing& drawing) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromStdString(drawing.name));
    printer.setCreator(kCreator);
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted)
        return tk::PrintResult::Cancelled;
    return PrintOn(printer, drawing) ? tk::PrintResult::Printed : tk::PrintResult::Failed;
}

} // namespace tk::qt
