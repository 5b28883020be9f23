#include "ui/ButtonCaption.h"

#include "ui/ShippedFonts.h"

#include <QFont>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>
#include <QTransform>
#include <algorithm>

namespace pendra::pictures {

namespace {

// The English captions: Arial Bold 12, lines 13 apart, the last on 107.
constexpr qreal kDesignPixels = 12;
constexpr qreal kLinePitch = 13;
constexpr qreal kCentreX = 58;
constexpr qreal kOneLineBaseline = 104;
constexpr qreal kLastBaseline = 107;
// Outlines are made at ten times the size and scaled down, so that no
// rounding of a small font's advances moves a letter.
constexpr int kReferencePixels = 120;
constexpr qreal kShrinkStep = 0.25;
constexpr qreal kSmallestPixels = 4;

// One face list with the shipped face first: it draws every Latin, Greek and
// Cyrillic letter the same on every PC, and Qt's fallback takes the letters
// it lacks, Chinese, Japanese or Korean, from the system's face for their
// script, even within one caption. Picking a face by script instead would
// need a table of faces per system and could not mix scripts.
QFont captionFace()
{
    installShippedFonts();
    QFont face;
    face.setFamilies({kShippedSansFamily});
    face.setBold(true);
    face.setPixelSize(kReferencePixels);
    return face;
}

// The caption's lines for a line width in the face's units: a new line at
// each line break, and where Unicode allows one when a line is too wide
// (between words, and between Chinese, Japanese or Korean characters). A
// word wider than the line stays whole.
QStringList wrappedLines(const QString& caption, const QFont& face, qreal width)
{
    QStringList lines;
    QTextOption wrapping;
    wrapping.setWrapMode(QTextOption::WordWrap);
    for (const QString& paragraph : caption.split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, face);
        layout.setTextOption(wrapping);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            const QString text = paragraph.mid(line.textStart(), line.textLength()).trimmed();
            if (!text.isEmpty())
                lines << text;
        }
        layout.endLayout();
    }
    return lines;
}

// The weight a face's file declares (its OpenType OS/2 table), 0 when unknown.
int declaredWeight(const QRawFont& font)
{
    const QByteArray os2 = font.fontTable("OS/2");
    return os2.size() >= 6 ? (static_cast<uchar>(os2[4]) << 8) | static_cast<uchar>(os2[5]) : 0;
}

// The outlines of one line at the reference size, its advance centred on 0
// and its baseline on 0. Letters from a face without a bold (many Chinese,
// Japanese and Korean faces have none) are made bold by drawing them twice,
// a twenty-fourth of their size apart: as wide as FreeType's own emboldening
// makes them, which outlines do not get.
QPainterPath lineOutlines(const QString& text, const QFont& face)
{
    QTextLayout layout(text, face);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    const QPointF origin(-line.naturalTextWidth() / 2, -line.ascent());
    const qreal boldOffset = kReferencePixels / 24.0;
    QPainterPath outlines;
    outlines.setFillRule(Qt::WindingFill);
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QRawFont font = run.rawFont();
        const int weight = declaredWeight(font);
        const bool madeBold = weight > 0 && weight < QFont::DemiBold;
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < glyphs.size(); ++i) {
            const QPainterPath glyph = font.pathForGlyph(glyphs[i]);
            const QPointF at = origin + positions[i];
            if (!madeBold) {
                outlines.addPath(glyph.translated(at));
                continue;
            }
            outlines.addPath(glyph.translated(at - QPointF(boldOffset / 2, 0)));
            outlines.addPath(glyph.translated(at + QPointF(boldOffset / 2, 0)));
        }
    }
    return outlines;
}

// The lines' outlines at a size in the pictures' units, each centred.
QPainterPath outlinesAt(const QStringList& lines, const QFont& face, qreal pixels)
{
    const qreal scale = pixels / kReferencePixels;
    const qreal pitch = kLinePitch * pixels / kDesignPixels;
    qreal baseline = lines.size() == 1
                         ? kOneLineBaseline
                         : kLastBaseline - pitch * static_cast<qreal>(lines.size() - 1);
    QPainterPath outlines;
    outlines.setFillRule(Qt::WindingFill);
    for (const QString& line : lines) {
        outlines.addPath(QTransform::fromTranslate(kCentreX, baseline)
                             .scale(scale, scale)
                             .map(lineOutlines(line, face)));
        baseline += pitch;
    }
    return outlines;
}

} // namespace

QPainterPath captionOutlines(const QString& caption)
{
    const QFont face = captionFace();
    QPainterPath outlines;
    for (qreal pixels = kDesignPixels; pixels >= kSmallestPixels; pixels -= kShrinkStep) {
        const QStringList lines =
            wrappedLines(caption, face, kCaptionRoom.width() * kReferencePixels / pixels);
        if (lines.isEmpty())
            return {};
        outlines = outlinesAt(lines, face, pixels);
        // No ink at all (a zero-width space, say) fits anywhere.
        if (outlines.isEmpty() || kCaptionRoom.contains(outlines.boundingRect()))
            return outlines;
    }
    // Still too large at the smallest size: scaled down to the room as a whole.
    const QRectF bounds = outlines.boundingRect();
    const qreal scale =
        std::min(kCaptionRoom.width() / bounds.width(), kCaptionRoom.height() / bounds.height());
    return QTransform::fromTranslate(kCaptionRoom.center().x(), kCaptionRoom.center().y())
        .scale(scale, scale)
        .translate(-bounds.center().x(), -bounds.center().y())
        .map(outlines);
}

} // namespace pendra::pictures
