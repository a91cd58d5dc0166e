// Every text field of every settings editor, given the longest and most
// unusual text that editor accepts (code 0x7F, code 0x80, a four-byte
// character, the characters the document escapes, three-byte characters up
// to the limit), and then the most bytes it accepts (three-byte characters
// only, the next one would be split at the field's byte limit), survives
// OK, saving the file and reading it back: the reader raises no flag, and
// the editors show the same texts again.
#include <gtest/gtest.h>

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "../io/IoTestSupport.h"
#include "HubTestSupport.h"
#include "Process.h"
#include "RecordFactory.h"
#include "core/common/FileIo.h"
#include "gui/common/SettingFileSave.h"
#include "gui/editors/com/CDlgSetComFtpc.h"
#include "gui/editors/com/CDlgSetComFtps.h"
#include "gui/editors/com/CDlgSetComSmtp.h"
#include "gui/editors/com/CDlgSetComSntp.h"
#include "gui/editors/com/CDlgSetComWeb.h"
#include "gui/editors/com/CDlgSetDispPageName.h"
#include "gui/editors/com/CDlgSetRepAddrConf.h"
#include "gui/editors/com/CDlgSetRepEventItem.h"
#include "gui/editors/com/CDlgSetRepTimeItem.h"
#include "gui/editors/io/CDlgSetIoAiArea.h"
#include "gui/editors/io/CDlgSetIoAiCh.h"
#include "gui/editors/io/CDlgSetIoDiCh.h"
#include "gui/editors/io/CDlgSetIoDoCh.h"
#include "gui/editors/io/CDlgSetIoOiArea.h"
#include "gui/editors/io/CDlgSetIoOiCh.h"
#include "gui/editors/io/CDlgSetIoPiArea.h"
#include "gui/editors/io/CDlgSetIoPiCh.h"
#include "gui/editors/io/CDlgSetSystem.h"
#include "gui/editors/kit/RecordText.h"
#include "core/settings/DocumentReader.h"
#include "core/settings/DocumentWriter.h"
#include "core/settings/OiFunctions.h"

namespace volmar::gui::test {
namespace {

using Dialog = std::unique_ptr<QDialog>;

// An editor window as a user reaches it, and what its caller stores when it
// is a window that hands its result back (zones, an address-book entry).
struct Editor {
    const char* name;
    std::function<Dialog(SettingRecord&, AppContext&)> open;
    std::function<void(QDialog&, SettingRecord&)> store = nullptr;
};

template <typename D, typename... Args>
std::function<Dialog(SettingRecord&, AppContext&)> Make(Args... args)
{
    return [=](SettingRecord& r, AppContext& c) -> Dialog {
        if constexpr (std::is_constructible_v<D, SettingRecord&, Args..., AppContext&>) {
            return std::make_unique<D>(r, args..., c);
        } else {
            return std::make_unique<D>(r, args..., c.ui);
        }
    };
}

template <typename D, typename Channel>
Editor Zones(const char* name, Channel& (*channel)(SettingRecord&))
{
    return {name,
            [channel](SettingRecord& r, AppContext& c) -> Dialog {
                if constexpr (std::is_same_v<D, CDlgSetIoPiArea>) {
                    return std::make_unique<D>(0, ZonesOf(channel(r)), false, true, r, c.ui);
                } else {
                    return std::make_unique<D>(0, ZonesOf(channel(r)), false, r, c.ui);
                }
            },
            [channel](QDialog& d, SettingRecord& r) { StoreZones(channel(r), static_cast<D&>(d).Result()); }};
}

const std::vector<Editor>& Editors()
{
    static const std::vector<Editor> editors = {
        {"system", Make<CDlgSetSystem>()},
        {"AI channel", Make<CDlgSetIoAiCh>(0)},
        Zones<CDlgSetIoAiArea>("AI zones", +[](SettingRecord& r) -> AiChannel& { return r.IO.AI[0]; }),
        {"DI channel", Make<CDlgSetIoDiCh>(0)},
        {"PI channel", Make<CDlgSetIoPiCh>(0)},
        Zones<CDlgSetIoPiArea>("PI zones", +[](SettingRecord& r) -> PiChannel& { return r.IO.PI[0]; }),
        {"OI channel", Make<CDlgSetIoOiCh>(0)},
        Zones<CDlgSetIoOiArea>("OI zones", +[](SettingRecord& r) -> OiChannel& { return r.IO.OI[0]; }),
        {"DO channel", Make<CDlgSetIoDoCh>(0)},
        {"web server", Make<CDlgSetComWeb>()},
        {"FTP server", Make<CDlgSetComFtps>()},
        {"FTP client", Make<CDlgSetComFtpc>()},
        {"SMTP/POP3", Make<CDlgSetComSmtp>()},
        {"SNTP", Make<CDlgSetComSntp>()},
        {"page names", Make<CDlgSetDispPageName>()},
        {"event report", Make<CDlgSetRepEventItem>(0)},
        {"time report", Make<CDlgSetRepTimeItem>()},
        {"address-book entry",
         [](SettingRecord& r, AppContext& c) -> Dialog {
             const SmtpPop3Block& book = r.COM.SMTP_POP3;
             return std::make_unique<CDlgSetRepAddrConf>(0, kit::FromRecord(book.MAIL_NAME[0]),
                                                         kit::FromRecord(book.MAIL_ADDRESS[0]), c.ui);
         },
         [](QDialog& d, SettingRecord& r) {
             auto& entry = static_cast<CDlgSetRepAddrConf&>(d);
             kit::ToRecord(r.COM.SMTP_POP3.MAIL_NAME[0], entry.Name());
             kit::ToRecord(r.COM.SMTP_POP3.MAIL_ADDRESS[0], entry.Address());
         }},
    };
    return editors;
}

// Every channel, account, service and report in use, so that their text
// fields are enabled.
void UseEverything(SettingRecord& r)
{
    r.IO.AI[0].TYPE = 1;
    r.IO.AI[0].USE_AREAS = 5;
    r.IO.DI[0].TYPE = 1;
    r.IO.PI[0].TYPE = 1;
    r.IO.PI[0].USE_AREAS = 5;
    r.IO.OI[0].TYPE = kOiAdd;
    r.IO.OI[0].USE_AREAS = 5;
    r.IO.DO[0].TYPE = 1;
    for (int i = 0; i < kAccountCount; ++i) {  // each with its own ID: two equal IDs are refused
        Account& account = r.COM.WEB.AUTH[i];
        account.MODE = kUse;
        const std::string id = "id" + std::to_string(i);
        StoreText(account.LOGIN, sizeof account.LOGIN, id.data(), id.size());
    }
    r.COM.FTP.MODE = kUse;
    r.COM.FTPC.MODE = kUse;
    r.COM.SNTP.MODE = kUse;
    r.COM.SMTP_POP3.SMTP_AUTH.MODE = 1;
    r.COM.SMTP_POP3.POP_BEFORE_SMTP_AUTH.MODE = kUse;
    r.MAIL_REPORT.EVENT[0].MODE = kUse;
    r.MAIL_REPORT.TIME.REPORT.MODE = kUse;
}

// The enabled fields a user types text into, in a fixed order.
std::vector<QWidget*> TextFields(QDialog& dialog)
{
    std::vector<QWidget*> fields;
    for (QWidget* w : dialog.findChildren<QWidget*>()) {
        if (!w->isEnabled()) continue;
        if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            const bool inner = qobject_cast<QComboBox*>(w->parent()) || qobject_cast<QAbstractSpinBox*>(w->parent());
            if (!edit->isReadOnly() && !inner) fields.push_back(w);
        } else if (auto* plain = qobject_cast<QPlainTextEdit*>(w); plain && !plain->isReadOnly()) {
            fields.push_back(w);
        }
    }
    return fields;
}

QString Shown(QWidget* field)
{
    if (auto* edit = qobject_cast<QLineEdit*>(field)) return edit->text();
    return qobject_cast<QPlainTextEdit*>(field)->toPlainText();
}

// Pastes text over the field's content; false when the field does not
// take it as it is (a validator, a length limit).
bool Paste(QWidget* field, const QString& text)
{
    if (auto* edit = qobject_cast<QLineEdit*>(field)) {
        edit->selectAll();
        edit->insert(text);
    } else {
        qobject_cast<QPlainTextEdit*>(field)->setPlainText(text);
    }
    return Shown(field) == text;
}

// The characters that make a text hard, one code point each: a leading
// blank, codes 0x7F and 0x80, two- and four-byte characters, a line break
// (multi-line fields), and what the document escapes.
std::vector<QString> UnusualChars(bool multiline)
{
    std::vector<QString> chars = {QStringLiteral(" "), QString(QChar(0x7F)), QString(QChar(0x80)),
                                  QString::fromUtf8("é"), QString::fromUtf8("\U0001F600")};
    if (multiline) chars.push_back(QStringLiteral("\n"));
    for (const char* c : {"&", "<", ">", "\"", "'", "#", "D"}) chars.push_back(QString::fromLatin1(c));
    return chars;
}

// A text to cut: the unusual characters, a number that tells the fields
// apart (the web server refuses two equal IDs), then filler.
constexpr int kMaxChars = 1024;
struct Pattern {
    std::vector<QString> chars;
    size_t head;  // unusual characters and number
};
Pattern Make(const std::vector<QString>& unusual, int tag, const QString& filler)
{
    Pattern p{unusual, 0};
    for (QChar c : QString::number(tag) + QLatin1Char('-')) p.chars.push_back(QString(c));
    p.head = p.chars.size();
    while (p.chars.size() < kMaxChars) p.chars.push_back(filler);
    return p;
}

QString Cut(const Pattern& pattern, int n)
{
    QString text;
    for (int i = 0; i < n; ++i) text += pattern.chars[static_cast<size_t>(i)];
    return text;
}

class EditorTexts : public ::testing::Test {
protected:
    TestContext m_ctx;
    std::unique_ptr<SettingRecord> m_record = volmar::testing::MakeDefaultRecord();

    // A window of the editor on a copy of the record, so that trying texts
    // leaves the record alone. Its fields are listed as it opens (a page
    // that a refusal brings up changes the order of the children).
    struct Trial {
        std::unique_ptr<SettingRecord> copy;
        Dialog dialog;
        std::vector<QWidget*> fields;
        bool Accepts(size_t index, const QString& text) { return Paste(fields.at(index), text) && PressOk(*dialog); }
    };
    Trial Open(const Editor& editor, SettingRecord& record)
    {
        Trial t{std::make_unique<SettingRecord>(record), nullptr, {}};
        t.dialog = editor.open(*t.copy, m_ctx.app);
        t.fields = TextFields(*t.dialog);
        return t;
    }

    // Whether the field takes text at all rather than a number.
    bool TakesText(const Editor& editor, size_t index)
    {
        Trial t = Open(editor, *m_record);
        for (const char* c : {" ", "&", "<", "#", "\x7F"}) {
            if (t.Accepts(index, QString::fromUtf8(c))) return true;
        }
        return false;
    }

    // The most characters of pattern that the field takes and OK accepts,
    // every other field as it opened: halving from kMaxChars, then counting
    // down from below the last refused length.
    int Longest(const Editor& editor, size_t index, const Pattern& pattern)
    {
        int found = 0;
        {
            Trial t = Open(editor, *m_record);
            for (int n = kMaxChars; n >= 1 && found == 0; n /= 2) {
                if (t.Accepts(index, Cut(pattern, n))) found = n;
            }
        }
        if (found == 0 || found == kMaxChars) return found;
        Trial t = Open(editor, *m_record);
        for (int n = 2 * found - 1; n > found; --n) {
            if (t.Accepts(index, Cut(pattern, n))) return n;
        }
        return found;
    }

    // The hardest text the field accepts: the longest cut of the unusual
    // characters it takes, then three-byte characters (x where those are
    // refused).
    QString Unusual(const Editor& editor, size_t index, bool multiline, int tag)
    {
        std::vector<QString> unusual = UnusualChars(multiline);
        QString filler = QString::fromUtf8("日");
        for (;;) {
            const Pattern pattern = Make(unusual, tag, filler);
            const int n = Longest(editor, index, pattern);
            if (static_cast<size_t>(n) < unusual.size()) {
                unusual.erase(unusual.begin() + n);  // refused (or over the limit)
            } else if (static_cast<size_t>(n) <= pattern.head && filler != QLatin1String("x")) {
                filler = QStringLiteral("x");
            } else {
                return Cut(pattern, n);
            }
        }
    }

    // The most bytes the field takes: three-byte characters only, as many
    // as it accepts, where a character too many would be split at the
    // field's byte limit. A field that takes ASCII only keeps unusual.
    QString Heaviest(const Editor& editor, size_t index, int tag, const QString& unusual)
    {
        const bool ascii = std::all_of(unusual.begin(), unusual.end(), [](QChar c) { return c.unicode() < 0x80; });
        if (ascii) return unusual;
        const QString own(QChar(0x4E00 + tag));  // a three-byte character of the field's own
        const Pattern pattern{std::vector<QString>(kMaxChars, own), 0};
        return Cut(pattern, Longest(editor, index, pattern));
    }

    // Every editor given its texts in turn (OK, and the caller's store for a
    // sub-window), the file saved and read back: no flag, the same record,
    // and the editors opened on it show the same texts.
    void SaveAndRead(const std::vector<std::vector<QString>>& typed)
    {
        for (size_t e = 0; e < Editors().size(); ++e) {
            SCOPED_TRACE(Editors()[e].name);
            m_ctx.ui.shown.clear();
            Dialog dialog = Editors()[e].open(*m_record, m_ctx.app);
            const std::vector<QWidget*> fields = TextFields(*dialog);
            ASSERT_EQ(fields.size(), typed[e].size());
            for (size_t i = 0; i < fields.size(); ++i) EXPECT_TRUE(Paste(fields[i], typed[e][i]));
            ASSERT_TRUE(PressOk(*dialog)) << (m_ctx.ui.shown.empty() ? "" : m_ctx.ui.shown.back().text);
            if (Editors()[e].store) Editors()[e].store(*dialog, *m_record);
        }

        volmar::testing::TempDir dir;
        const std::string file = dir.File("texts.xml");
        ASSERT_EQ(SaveSettingFile(file, WriteSettingDocument(*m_record)), SaveOutcome::Saved);
        std::string bytes;
        ASSERT_TRUE(ReadWholeFile(file, 4u << 20, bytes));
        auto read = volmar::testing::MakeDefaultRecord();
        char path[kReadPathSize] = {};
        EXPECT_EQ(ReadSettingDocument(*read, bytes.data(), bytes.size(), path), 0) << path;
        EXPECT_EQ(std::memcmp(read.get(), m_record.get(), sizeof(SettingRecord)), 0);

        for (size_t e = 0; e < Editors().size(); ++e) {
            SCOPED_TRACE(Editors()[e].name);
            Dialog dialog = Editors()[e].open(*read, m_ctx.app);
            const std::vector<QWidget*> fields = TextFields(*dialog);
            ASSERT_EQ(fields.size(), typed[e].size());
            for (size_t i = 0; i < fields.size(); ++i) {
                EXPECT_EQ(Shown(fields[i]).toStdString(), typed[e][i].toStdString())
                    << fields[i]->objectName().toStdString();
            }
        }
    }
};

TEST_F(EditorTexts, HardestAcceptedTextsSurviveSavingAndReading)
{
    UseEverything(*m_record);
    // For each editor, the texts of its fields: the unusual ones, then the
    // heaviest; a field that takes numbers only keeps what it shows.
    std::vector<std::vector<QString>> unusual, heaviest;
    int tag = 0;
    for (const Editor& editor : Editors()) {
        SCOPED_TRACE(editor.name);
        const Trial shown = Open(editor, *m_record);
        unusual.emplace_back();
        heaviest.emplace_back();
        int textFields = 0;
        for (size_t i = 0; i < shown.fields.size(); ++i) {
            QWidget* field = shown.fields[i];
            QString hard = Shown(field), heavy = hard;
            if (TakesText(editor, i)) {
                ++textFields;
                hard = Unusual(editor, i, qobject_cast<QPlainTextEdit*>(field) != nullptr, ++tag);
                heavy = Heaviest(editor, i, tag, hard);
            }
            unusual.back().push_back(hard);
            heaviest.back().push_back(heavy);
        }
        EXPECT_GT(textFields, 0) << "no text field";
    }
    {
        SCOPED_TRACE("unusual texts");
        SaveAndRead(unusual);
    }
    SCOPED_TRACE("heaviest texts");
    SaveAndRead(heaviest);
}

}  // namespace
}  // namespace volmar::gui::test
