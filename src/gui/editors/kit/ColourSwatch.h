#pragma once
// A colour field: a swatch showing the colour and a "..." button that opens
// the platform colour chooser (always starting at black). The record keeps
// colours as 0x00RRGGBB.
#include <QColor>
#include <QWidget>
#include <cstdint>

class QFrame;
class QToolButton;

namespace volmar::gui::kit {

QColor ColourFromRecord(uint32_t value);
uint32_t ColourToRecord(const QColor& colour);

class ColourSwatch : public QWidget {
    Q_OBJECT
public:
    explicit ColourSwatch(QWidget* parent = nullptr);

    void SetRecordColour(uint32_t value);
    uint32_t RecordColour() const { return ColourToRecord(m_colour); }
    QToolButton* ChooseButton() const { return m_choose; }

signals:
    void Changed(uint32_t value);

protected:
    void changeEvent(QEvent* event) override;

private:
    void Choose();
    void Repaint();

    QColor m_colour{Qt::black};
    QFrame* m_swatch;
    QToolButton* m_choose;
};

}  // namespace volmar::gui::kit
