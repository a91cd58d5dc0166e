#include "gui/editors/kit/RealText.h"

#include <QLineEdit>
#include <string>

#include "gui/editors/kit/CheckScope.h"

#include "core/rules/RealValues.h"

namespace volmar::gui::kit {

QString FormatReal(double value, bool exponent)
{
    return QString::fromStdString(rules::FormatReal(value, exponent));
}

double ReadReal(const QString& text)
{
    return rules::ReadReal(text.toStdString());
}

double RoundToNotation(double value, bool exponent)
{
    return rules::RoundToNotation(value, exponent);
}

QString Reformat(const QString& text, bool exponent)
{
    return FormatReal(RoundToNotation(ReadReal(text), exponent), exponent);
}

bool RealTextValid(const QString& text, bool exponent)
{
    return rules::RealTextValid(text.toStdString(), exponent);
}

bool DivisorField(const QLineEdit* edit, bool exponent)
{
    return Unchecked(edit) || rules::DivisorTextValid(edit->text().toStdString(), exponent);
}

}  // namespace volmar::gui::kit
