#pragma once
// A colour field: a swatch showing the colour and a "..." button that opens
// the platform colour chooser (starting at black, or at the swatch's own
// colour when StartAtOwnColour is set). The record keeps
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
    // The chooser opens on the swatch's colour instead of black.
    void StartAtOwnColour(bool on) { m_startAtOwn = on; }
    QColor ChooserStart() const { return m_startAtOwn ? m_colour : QColor(Qt::black); }

signals:
    void Changed(uint32_t value);

protected:
    void changeEvent(QEvent* event) override;

private:
    void Choose();
    void Repaint();

    QColor m_colour{Qt::black};
    bool m_startAtOwn = false;
    QFrame* m_swatch;
    QToolButton* m_choose;
};

}  // namespace volmar::gui::kit
