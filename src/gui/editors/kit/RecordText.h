#pragma once
// Texts between the record (UTF-8 in fixed buffers) and the dialogs.
#include <QByteArray>
#include <QLineEdit>
#include <QString>
#include <cstddef>
#include <string>

#include "gui/editors/kit/CheckScope.h"
#include "core/settings/SettingRecord.h"

namespace volmar::gui::kit {

inline QString FromRecord(const char* field) { return QString::fromUtf8(field); }

// Stores text into a record field, cut on a character boundary to fit.
template <size_t N>
void ToRecord(char (&field)[N], const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    StoreText(field, N, utf8.constData(), static_cast<size_t>(utf8.size()));
}

// An edit's text as UTF-8, for the value-text checks.
inline std::string Utf8(const QLineEdit* edit) { return edit->text().toStdString(); }

// Whether a typed text keeps to a character limit (a disabled edit passes
// while a guard runs: CheckScope.h).
inline bool Fits(const QLineEdit* edit, int maxChars)
{
    return Unchecked(edit) || edit->text().size() <= maxChars;
}

}  // namespace volmar::gui::kit
