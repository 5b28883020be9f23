#include "tests/TextInk.h"

#include "ui/ReadoutLabel.h"
#include "ui/StatusLine.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <cmath>

namespace pendra::test {

namespace {

// The coverage (of 255) from which a pixel counts as inked.
constexpr int kInked = 96;
// How much of a text's ink may go missing to rounding and hinting.
constexpr double kInkKept = 0.9;

struct Ink
{
    QRect bounds;
    double amount = 0;
};

// How much of each pixel the text covers, from two drawings of the same
// thing with the text in red and in blue.
QImage coverageBetween(const QImage& red, const QImage& blue)
{
    QImage coverage(red.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < red.height(); ++y) {
        const auto* r = reinterpret_cast<const QRgb*>(red.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(blue.constScanLine(y));
        uchar* out = coverage.scanLine(y);
        for (int x = 0; x < red.width(); ++x)
            out[x] = static_cast<uchar>(
                (std::abs(qRed(r[x]) - qRed(b[x])) + std::abs(qBlue(r[x]) - qBlue(b[x]))) / 2);
    }
    return coverage;
}

// Draws group-box titles in the palette's text colour: some styles (Windows
// Vista's) take the title's colour from the system's theme instead.
class TitlesInPaletteColours : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* answer) const override
    {
        if (hint == SH_GroupBox_TextLabelColor && option)
            return static_cast<int>(option->palette.color(QPalette::WindowText).rgba());
        return QProxyStyle::styleHint(hint, option, widget, answer);
    }
};

// How much of each device pixel the texts cover: the window drawn with its
// texts in red and then in blue, nothing else changed between the two.
QImage textCoverage(QWidget& window)
{
    // The same style again, but for the titles' colour.
    TitlesInPaletteColours titles(QApplication::style()->name());
    const QList<QGroupBox*> groups = window.findChildren<QGroupBox*>();
    for (QGroupBox* group : groups)
        group->setStyle(&titles);
    const QPalette original = QApplication::palette();
    const auto drawnIn = [&](const QColor& colour) {
        QPalette palette = original;
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text,
                                    QPalette::HighlightedText})
                palette.setColor(group, role, colour);
        QApplication::setPalette(palette);
        // Widgets take the new palette from a posted event.
        QCoreApplication::sendPostedEvents();
        return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    const QImage red = drawnIn(Qt::red);
    const QImage blue = drawnIn(Qt::blue);
    QApplication::setPalette(original);
    for (QGroupBox* group : groups)
        group->setStyle(nullptr);
    QCoreApplication::sendPostedEvents();
    return coverageBetween(red, blue);
}

Ink inkIn(const QImage& coverage, const QRect& area, const QRegion& skipped = {})
{
    Ink ink;
    const QRect inside = area & coverage.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        const uchar* line = coverage.constScanLine(y);
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (line[x] == 0 || skipped.contains(QPoint(x, y)))
                continue;
            ink.amount += line[x];
            if (line[x] >= kInked)
                ink.bounds |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

// The text drawn alone, as the control draws it, with room all round.
Ink inkAlone(const QString& text, const QFont& font, int flags, int wrapWidth, qreal ratio)
{
    const QFontMetrics metrics(font);
    const int width = wrapWidth > 0 ? wrapWidth : 100000;
    const QRect needed = metrics.boundingRect(QRect(0, 0, width, 100000), flags, text);
    const int pad = metrics.height();
    const QRect room(pad, pad, wrapWidth > 0 ? wrapWidth : needed.width(), needed.height());
    QImage drawn[2];
    const QColor colours[2] = {Qt::red, Qt::blue};
    for (int i = 0; i < 2; ++i) {
        drawn[i] = QImage((room.size() + QSize(2 * pad, 2 * pad)) * ratio, QImage::Format_RGB32);
        drawn[i].setDevicePixelRatio(ratio);
        drawn[i].fill(QApplication::palette().color(QPalette::Window));
        QPainter painter(&drawn[i]);
        painter.setFont(font);
        painter.setPen(colours[i]);
        painter.drawText(room, flags, text);
    }
    const QImage coverage = coverageBetween(drawn[0], drawn[1]);
    return inkIn(coverage, coverage.rect());
}

bool inkedAlong(const QImage& coverage, const QRect& line, const QRegion& skipped)
{
    return inkIn(coverage, line, skipped).bounds.isValid();
}

// Compares one text's ink with its ink drawn alone; clip is where its
// control cuts it off, in device pixels.
class TextJudge
{
public:
    explicit TextJudge(QWidget& shown)
        : window(shown), coverage(textCoverage(shown)), ratio(shown.devicePixelRatioF()),
          mnemonics(shown.style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, &shown)
                        ? Qt::TextShowMnemonic
                        : Qt::TextHideMnemonic)
    {
    }

    QRect inDevicePixels(const QWidget* control, const QRect& area) const
    {
        const QPoint origin = control->mapTo(&window, QPoint());
        const QRectF rect = QRectF(area.translated(origin));
        return QRectF(rect.topLeft() * ratio, rect.size() * ratio).toAlignedRect() &
               coverage.rect();
    }

    void judge(const QWidget* control, const QString& text, const QRect& area, int flags,
               int wrapWidth = 0, const QRegion& skipped = {})
    {
        if (text.isEmpty())
            return;
        const QRect clip = inDevicePixels(control, area);
        const Ink shown = inkIn(coverage, clip, skipped);
        const Ink whole = inkAlone(text, control->font(), flags, wrapWidth, ratio);
        const int slack = static_cast<int>(std::ceil(ratio));
        const int narrower = whole.bounds.width() - shown.bounds.width();
        const int lower = whole.bounds.height() - shown.bounds.height();
        const bool atEdge =
            inkedAlong(coverage, QRect(clip.left(), clip.top(), 1, clip.height()), skipped) ||
            inkedAlong(coverage, QRect(clip.right(), clip.top(), 1, clip.height()), skipped) ||
            inkedAlong(coverage, QRect(clip.left(), clip.top(), clip.width(), 1), skipped) ||
            inkedAlong(coverage, QRect(clip.left(), clip.bottom(), clip.width(), 1), skipped);
        QString missing;
        if (!shown.bounds.isValid())
            missing = QStringLiteral("nothing drawn");
        else if (narrower > slack || lower > slack || (atEdge && (narrower > 0 || lower > 0)))
            missing = QStringLiteral("ink %1x%2, whole %3x%4%5")
                          .arg(shown.bounds.width())
                          .arg(shown.bounds.height())
                          .arg(whole.bounds.width())
                          .arg(whole.bounds.height())
                          .arg(atEdge ? QStringLiteral(", at the edge") : QString());
        else if (shown.amount < kInkKept * whole.amount)
            missing =
                QStringLiteral("%1 % of its ink").arg(qRound(100 * shown.amount / whole.amount));
        if (!missing.isEmpty())
            problems << QStringLiteral("%1 \"%2\": %3").arg(control->objectName(), text, missing);
    }

    void judgeControl(const QWidget* control)
    {
        QRegion children;
        for (const QWidget* child :
             control->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (child->isVisibleTo(control) && !child->isWindow())
                children += inDevicePixels(child, child->rect());
        if (const auto* status = qobject_cast<const StatusLine*>(control)) {
            const QString shownText = status->shownText();
            if (shownText != status->text() &&
                (!shownText.endsWith(QChar(0x2026)) || status->toolTip() != status->text()))
                problems << QStringLiteral("%1 \"%2\": shortened without its whole text as tip")
                                .arg(control->objectName(), shownText);
            judge(control, shownText, control->rect(), int(status->alignment()));
        } else if (qobject_cast<const ReadoutLabel*>(control)) {
            return;
        } else if (const auto* label = qobject_cast<const QLabel*>(control)) {
            const int wrap = label->wordWrap() ? Qt::TextWordWrap : 0;
            judge(control, label->text(), control->rect(), int(label->alignment()) | wrap,
                  wrap ? label->contentsRect().width() - 2 * label->margin() : 0);
        } else if (const auto* button = qobject_cast<const QPushButton*>(control)) {
            judge(control, button->text(), control->rect(), Qt::AlignCenter | mnemonics, 0,
                  children);
        } else if (const auto* box = qobject_cast<const QCheckBox*>(control)) {
            QStyleOptionButton option;
            option.initFrom(box);
            const QRect contents =
                box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
            judge(control, box->text(), contents & box->rect(), mnemonics);
        } else if (const auto* group = qobject_cast<const QGroupBox*>(control)) {
            judge(control, group->title(), control->rect(), mnemonics, 0, children);
        } else if (const auto* bar = qobject_cast<const QMenuBar*>(control)) {
            for (QAction* action : bar->actions())
                if (action->isVisible())
                    judge(control, action->text(), bar->actionGeometry(action),
                          mnemonics | Qt::AlignCenter);
        } else if (const auto* menu = qobject_cast<const QMenu*>(control)) {
            for (QAction* action : menu->actions())
                if (action->isVisible() && !action->isSeparator())
                    judge(control, action->text(), menu->actionGeometry(action),
                          mnemonics | Qt::AlignVCenter);
        }
    }

    QWidget& window;
    const QImage coverage;
    const qreal ratio;
    const int mnemonics;
    QStringList problems;
};

} // namespace

QStringList textsNotDrawnWhole(QWidget& window)
{
    TextJudge judge(window);
    judge.judgeControl(&window);
    for (const QWidget* control : window.findChildren<QWidget*>())
        if (control->isVisibleTo(&window) && control->window() == &window)
            judge.judgeControl(control);
    return judge.problems;
}

} // namespace pendra::test
