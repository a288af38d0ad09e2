// Draws the application icon, a page with angle brackets, as a scalable SVG and as PNGs of
// the theme sizes, from one description so the two never drift apart.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

#include <cstdio>
#include <vector>

namespace {
constexpr int kCanvas = 256; // the units of the shapes below

struct Shape {
    std::vector<QPointF> points;
    bool closed = false;
    const char *fill = nullptr;   // none when null
    const char *stroke = nullptr; // none when null
    double width = 0;
};

const std::vector<Shape> &icon()
{
    static const std::vector<Shape> shapes = {
        // The page with its folded corner.
        {{{52, 20}, {166, 20}, {204, 58}, {204, 236}, {52, 236}}, true, "#fbfcfe", "#24527a", 10},
        {{{166, 20}, {166, 58}, {204, 58}}, true, "#bcd2e8", "#24527a", 10},
        // "<", "/" and ">".
        {{{106, 84}, {80, 116}, {106, 148}}, false, nullptr, "#e4602a", 16},
        {{{138, 80}, {118, 152}}, false, nullptr, "#24527a", 12},
        {{{150, 84}, {176, 116}, {150, 148}}, false, nullptr, "#e4602a", 16},
        // An outline of pages: the site.
        {{{76, 182}, {180, 182}}, false, nullptr, "#8aa6c1", 9},
        {{{96, 202}, {180, 202}}, false, nullptr, "#8aa6c1", 9},
        {{{96, 220}, {150, 220}}, false, nullptr, "#8aa6c1", 9},
    };
    return shapes;
}

QString svgPathData(const Shape &shape)
{
    QString d;
    for (size_t i = 0; i < shape.points.size(); ++i)
        d += QStringLiteral("%1%2 %3 ")
                 .arg(i == 0 ? QLatin1Char('M') : QLatin1Char('L'))
                 .arg(shape.points[i].x())
                 .arg(shape.points[i].y());
    return shape.closed ? d + QLatin1Char('Z') : d.trimmed();
}

bool writeSvg(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QTextStream out(&file);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << kCanvas << "\" height=\"" << kCanvas
        << "\" viewBox=\"0 0 " << kCanvas << ' ' << kCanvas << "\">\n";
    for (const Shape &shape : icon()) {
        out << "  <path d=\"" << svgPathData(shape) << "\" fill=\"" << (shape.fill ? shape.fill : "none") << '"';
        if (shape.stroke)
            out << " stroke=\"" << shape.stroke << "\" stroke-width=\"" << shape.width
                << "\" stroke-linecap=\"round\" stroke-linejoin=\"round\"";
        out << "/>\n";
    }
    out << "</svg>\n";
    return file.flush();
}

bool writePng(const QString &path, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(double(size) / kCanvas, double(size) / kCanvas);
    for (const Shape &shape : icon()) {
        QPainterPath path;
        path.moveTo(shape.points.front());
        for (size_t i = 1; i < shape.points.size(); ++i)
            path.lineTo(shape.points[i]);
        if (shape.closed)
            path.closeSubpath();
        painter.setBrush(shape.fill ? QBrush(QColor(QLatin1String(shape.fill))) : QBrush(Qt::NoBrush));
        painter.setPen(shape.stroke ? QPen(QColor(QLatin1String(shape.stroke)), shape.width, Qt::SolidLine,
                                           Qt::RoundCap, Qt::RoundJoin)
                                    : QPen(Qt::NoPen));
        painter.drawPath(path);
    }
    painter.end();
    return image.save(path, "PNG");
}
} // namespace

// tovarel_iconc NAME OUTPUT-FOLDER SIZE...: OUTPUT/NAME.svg and OUTPUT/<size>x<size>/NAME.png.
int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: tovarel_iconc NAME OUTPUT-FOLDER SIZE...\n");
        return 2;
    }
    const QString name = QString::fromLocal8Bit(argv[1]);
    const QString folder = QString::fromLocal8Bit(argv[2]);
    bool ok = QDir().mkpath(folder) && writeSvg(folder + QLatin1Char('/') + name + QStringLiteral(".svg"));
    for (int i = 3; i < argc; ++i) {
        const int size = QString::fromLocal8Bit(argv[i]).toInt();
        const QString sizeFolder = folder + QStringLiteral("/%1x%1").arg(size);
        ok = size > 0 && QDir().mkpath(sizeFolder) &&
             writePng(sizeFolder + QLatin1Char('/') + name + QStringLiteral(".png"), size) && ok;
    }
    if (!ok)
        std::fprintf(stderr, "tovarel_iconc: cannot write the icon into %s\n", argv[2]);
    return ok ? 0 : 1;
}
