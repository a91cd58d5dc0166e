#pragma once
// The selected link as the preferences give it, and its change through the
// Connect dialog (from the main window and from the access-mode
// confirmation).
class QWidget;

namespace volmar::gui {

struct AppContext;

// Reads "COMTYPE", "COM", "NETPORT" and "NET" into the link state, with the
// device the port number stands for. The session (protocol, login) is kept.
void LoadLinkPreferences(AppContext& ctx);

// Runs the Connect dialog. On OK the link state takes the new preferences;
// when the selection changed (either status line, or the TCP port of a
// network link) the session is reset, so the next operation detects the
// protocol and asks for the login again. True on OK.
bool ChangeLink(QWidget* parent, AppContext& ctx);

}  // namespace volmar::gui
