#pragma once

#include <QAccessibleWidget>

class QLabel;

namespace pendra {

class ReadoutLabel;

// A readout as assistive technology reads it: one object, named by its
// caption's current text ("X"), whose value is the text the readout shows
// ("1234.5678"), as its value (QAccessible::Value; over AT-SPI also as a
// number) and as its text (AT-SPI's Text, UI Automation's text pattern).
// The caption is the label whose buddy the readout is; a readout with no
// caption is named by its own accessible name, or else its text. The label
// tells of each new value itself (ReadoutLabel::showValue).
class ReadoutAccessible : public QAccessibleWidget,
                          public QAccessibleValueInterface,
                          public QAccessibleTextInterface
{
public:
    explicit ReadoutAccessible(ReadoutLabel* readout);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text type) const override;
    QAccessible::State state() const override;
    // Without the caption: it is no object of its own, but this one's name.
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override;

    // The number shown; not a number while the readout shows none.
    QVariant currentValue() const override;
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

    // The shown text, read only, with no selection and no caret to move.
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    const ReadoutLabel* readout() const;
    const QLabel* caption() const;
    QString shown() const;
};

} // namespace pendra
