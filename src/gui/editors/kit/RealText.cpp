#include "gui/editors/kit/RealText.h"

#include <QLineEdit>
#include <string>

#include "gui/editors/kit/CheckScope.h"

#include "core/settings/ValueText.h"

namespace volmar::gui::kit {
namespace {

double Read(const std::string& text) { return ParseDouble(text.data(), text.size()); }

}  // namespace

QString FormatReal(double value, bool exponent)
{
    std::string out;
    if (exponent) {
        AppendScientific(out, value, 3);
    } else {
        AppendFixed(out, value, 3);
    }
    return QString::fromStdString(out);
}

double ReadReal(const QString& text) { return Read(text.toStdString()); }

double RoundToNotation(double value, bool exponent)
{
    std::string out;
    if (exponent) {
        std::string ten = FormatFixed(value, 10);
        AppendScientific(out, Read(ten), 3);
    } else {
        AppendFixed(out, value, 3);
    }
    return Read(out);
}

QString Reformat(const QString& text, bool exponent)
{
    return FormatReal(RoundToNotation(ReadReal(text), exponent), exponent);
}

bool RealTextValid(const QString& text, bool exponent)
{
    const std::string utf8 = text.toStdString();
    return CheckValuePrecision(utf8, 3, exponent) && CheckRealRange(Read(utf8));
}

bool DivisorField(const QLineEdit* edit, bool exponent)
{
    if (Unchecked(edit)) return true;
    return RealTextValid(edit->text(), exponent) && RoundToNotation(ReadReal(edit->text()), exponent) != 0.0;
}

}  // namespace volmar::gui::kit
