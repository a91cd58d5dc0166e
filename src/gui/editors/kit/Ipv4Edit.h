#pragma once
// An IPv4 address field: four number fields of 0 to 255 joined by dots.
// Typing three digits moves on to the next field, and so does a dot, except
// a dot typed right after such a move (so "192.168.0.10" typed as it is read
// gives 192.168.0.10). Pasting a dotted address into any field fills all
// four. The field is blank when all four parts are empty.
//
// A stored text that is no dotted address (a document may hold any text)
// leaves the fields blank but is kept: Text() gives it back until the user
// edits the address.
#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>

class QLineEdit;

namespace volmar::gui::kit {

// Reads "a.b.c.d" with four decimal parts of 0 to 255.
std::optional<std::array<uint8_t, 4>> ParseIpv4(const char* text);

// The refusal of an address with some of its fields left blank.
inline constexpr const char* kMsgIncompleteIpv4 = "Setting error: IP address";

class Ipv4Edit : public QWidget {
    Q_OBJECT
public:
    explicit Ipv4Edit(QWidget* parent = nullptr);

    bool IsBlank() const;
    // Some fields filled and some blank: no address at all; editors refuse
    // it with kMsgIncompleteIpv4.
    bool IsPartial() const;
    // Empties the field: no address (a kept text goes too).
    void Clear();
    // Shows a dotted address; any other text leaves the fields blank and is
    // kept (see Text()).
    void SetAddress(const char* text);
    // "%d.%d.%d.%d" of the four parts (a blank part reads as 0).
    QString Address() const;
    // What to store: the kept text while the user has not edited the
    // address, else empty for a blank field, else Address().
    QString Text() const;
    // The user has typed or pasted, or Clear() ran, since the last SetAddress.
    bool IsEdited() const { return m_edited; }
    QLineEdit* Part(int i) const { return m_parts[static_cast<size_t>(i)]; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnPartEdited(size_t i, const QString& text);
    void MoveTo(size_t i);

    std::array<QLineEdit*, 4> m_parts{};
    QString m_kept;
    bool m_edited = false;
    // The part the field moved into after three digits, until the next key.
    int m_advancedInto = -1;
};

}  // namespace volmar::gui::kit
