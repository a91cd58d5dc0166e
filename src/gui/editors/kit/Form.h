#pragma once
// Building editor layouts in code: labelled controls on a grid, and named
// controls that tests and screenshots can find.
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QString>

namespace volmar::gui::kit {

// Places "label" and the control side by side at (row, 2 * pair).
inline QLabel* AddField(QGridLayout* grid, int row, int pair, const char* label, QWidget* control)
{
    auto* text = new QLabel(QString::fromUtf8(label));
    text->setBuddy(control);
    grid->addWidget(text, row, 2 * pair);
    grid->addWidget(control, row, 2 * pair + 1);
    return text;
}

template <typename W>
W* Named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromUtf8(name));
    return widget;
}

// A line edit with an object name and a width for about `chars` characters.
inline QLineEdit* MakeEdit(const char* name, int chars, QWidget* parent = nullptr)
{
    auto* edit = Named(new QLineEdit(parent), name);
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * chars + 12);
    return edit;
}

}  // namespace volmar::gui::kit
