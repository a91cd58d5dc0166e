#pragma once
// An IPv4 address field: four number fields of 0 to 255 joined by dots.
// Typing three digits or a dot moves on to the next field. The field is
// blank when all four parts are empty; a part left empty counts as 0.
#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>

class QLineEdit;

namespace volmar::gui::kit {

// Reads "a.b.c.d" with four decimal parts of 0 to 255.
std::optional<std::array<uint8_t, 4>> ParseIpv4(const char* text);

class Ipv4Edit : public QWidget {
    Q_OBJECT
public:
    explicit Ipv4Edit(QWidget* parent = nullptr);

    bool IsBlank() const;
    void Clear();
    // Shows a dotted address; a text that is no address leaves the field blank.
    void SetAddress(const char* text);
    // "%d.%d.%d.%d" of the four parts.
    QString Address() const;
    QLineEdit* Part(int i) const { return m_parts[static_cast<size_t>(i)]; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::array<QLineEdit*, 4> m_parts{};
};

}  // namespace volmar::gui::kit
