#include "gui/common/RecordText.h"

#include <cstring>
#include <string>
#include <string_view>

#include <QByteArray>

#include "core/settings/SettingRecord.h"
#include "core/settings/TextConvert.h"

namespace volmar::gui {

QString RecordText(const char* field)
{
    return QString::fromStdU16String(Utf8ToWide(field, std::strlen(field)));
}

void StoreRecordText(char* field, size_t capacity, const QString& text)
{
    const std::string utf8 = WideToUtf8(text.toStdU16String());
    StoreText(field, capacity, utf8.data(), utf8.size());
}

}  // namespace volmar::gui
