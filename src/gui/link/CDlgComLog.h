#pragma once
// "Terminal log": what a unit with SW1 on writes to its USB port, in a
// read-only box of at most 1000 lines (the unfinished last line counts) and
// kTerminalChars characters, with Clear, Save and Back. The port is the
// window's; a reader thread appends what arrives to a pending text under a
// lock and tells the window, whose thread takes it, adds it to the end of
// the box and drops what falls out of it at the front. Every way out (Back,
// Enter, Escape, the title bar) asks "Returning to main menu" and, on OK,
// stops and joins the reader before the port closes and the window goes.
#include <QDialog>
#include <QString>

#include "core/link/serial/ComPort.h"
#include "core/link/terminal/TerminalReader.h"

class QCloseEvent;
class QKeyEvent;
class QPlainTextEdit;
class QPushButton;

namespace volmar::gui {

struct AppContext;

// The lines the box keeps at most.
inline constexpr int kTerminalLines = 1000;
// And the characters: a stream without line ends (a wrong baud rate) is
// bounded too. Saved as UTF-16, that is 256 KiB.
inline constexpr qsizetype kTerminalChars = 128 * 1024;

class CDlgComLog : public QDialog {
    Q_OBJECT
public:
    explicit CDlgComLog(AppContext& ctx, QWidget* parent = nullptr);
    ~CDlgComLog() override;

    // Opens the selected port (closing it first if open); "Cannot open COM
    // port %d" and false when it cannot be opened.
    bool OpenPort();
    // Opens the port again, starts the reader and runs the window.
    int Run();

    // The log text: what the box shows, CR LF as received.
    const QString& LogText() const { return m_log; }
    QPlainTextEdit* textBox() const { return m_text; }
    QPushButton* clearButton() const { return m_clear; }
    QPushButton* saveButton() const { return m_save; }
    QPushButton* backButton() const { return m_back; }
    bool ReaderRunning() const { return m_reader.Running(); }

    // Writes the log as UTF-16LE without byte-order mark to path, atomically:
    // "File saved.", "Failed to Open File" or "Failed to save file.".
    void SaveTo(const QString& path);

public slots:
    void OnClear();
    void OnSave();
    void OnBack();
    // Takes what the reader has read into the box.
    void Drain();

protected:
    void done(int result) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void StopReader();
    // Drops the oldest text beyond the bounds from the log and the box.
    void Trim();

    AppContext& m_ctx;
    CComPort m_port;
    PendingText m_pending{static_cast<size_t>(kTerminalChars) * 3};  // UTF-8 for as many UTF-16 units
    // Declared after the port: it ends before the port closes.
    TerminalReader m_reader;
    QString m_log;
    qsizetype m_lineBreaks = 0;  // '\n' in m_log
    qsizetype m_shown = 0;       // how much of m_log the box shows (all but a trailing CR)
    QPlainTextEdit* m_text = nullptr;
    QPushButton* m_clear = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_back = nullptr;
};

// The main window's "Terminal log": the port, "Turn SW1 ON at the front of
// device.", the window, "Turn SW1 OFF at the front of device.".
void RunTerminalLog(AppContext& ctx, QWidget* parent);

}  // namespace volmar::gui
