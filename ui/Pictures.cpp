#include "ui/Pictures.h"

#include "ui/CaptionedPicture.h"

#include <QFile>
#include <QRegularExpression>
#include <QSvgRenderer>

namespace pendra::pictures {

namespace {

// Qt's SVG icon engine draws the source afresh for each size and ratio asked.
QIcon scalableIcon(const QString& path)
{
    if (path.isEmpty() || !QSvgRenderer(path).isValid())
        return {};
    return QIcon(path);
}

// The resource path of the picture with the given bitmap id, empty for none.
QString pathForBitmapId(std::uint16_t bitmapId)
{
    switch (bitmapId) {
    case 132:
        return QStringLiteral(":/res/button-f1-done.svg");
    case 133:
        return QStringLiteral(":/res/button-f2-delete.svg");
    case 134:
        return QStringLiteral(":/res/button-f3-move-pt.svg");
    case 140:
        return QStringLiteral(":/res/button-f4-stop-execution.svg");
    case 141:
        return QStringLiteral(":/res/button-f5-continue-execution.svg");
    default:
        return {};
    }
}

// Each line of a button's caption is one outline path, after a comment that
// keeps the text it was made from, centred on x = 58 (the key name's is at x = 6).
const QRegularExpression& captionOutlinesPattern()
{
    static const QRegularExpression pattern(QStringLiteral(
        R"(<!-- outlines of: <text x="58"[^>]*>([^<]*)</text> -->\s*<path[^>]*/>\s*)"));
    return pattern;
}

// The English caption a button's SVG draws, its lines joined by spaces.
QString englishCaption(const QString& svg)
{
    QStringList lines;
    for (auto match = captionOutlinesPattern().globalMatch(svg); match.hasNext();)
        lines << match.next().captured(1);
    return lines.join(QLatin1Char(' '));
}

} // namespace

QIcon buttonPicture(std::uint16_t bitmapId, const QString& caption)
{
    const QString path = pathForBitmapId(bitmapId);
    QFile file(path);
    if (caption.trimmed().isEmpty() || !file.open(QIODevice::ReadOnly))
        return scalableIcon(path);
    const QString svg = QString::fromUtf8(file.readAll());
    if (caption == englishCaption(svg))
        return scalableIcon(path);
    const QByteArray withoutCaption = QString(svg).remove(captionOutlinesPattern()).toUtf8();
    if (!QSvgRenderer(withoutCaption).isValid())
        return {};
    return QIcon(new CaptionedPicture(withoutCaption, caption));
}

QIcon applicationIcon()
{
    return scalableIcon(QStringLiteral(":/res/pendra.svg"));
}

} // namespace pendra::pictures
