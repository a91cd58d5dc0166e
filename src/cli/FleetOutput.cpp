#include "cli/FleetOutput.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace volmar::cli {
namespace {

std::string JsonText(const std::string& text)
{
    std::string out = "\"";
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", u);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

}  // namespace

std::string JsonLine(const FleetUnit& unit, const FleetResult& r)
{
    std::string line = "{\"name\":" + JsonText(unit.name) + ",\"address\":" + JsonText(unit.Where()) +
                       ",\"result\":" + JsonText(FleetStateName(r.state));
    if (r.state != FleetState::Succeeded) line += ",\"error\":" + JsonText(r.error);
    for (const auto& [key, value] : r.fields) line.append(",").append(JsonText(key)).append(":").append(JsonText(value));
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.3f", static_cast<double>(r.elapsedMs) / 1000);
    return line + ",\"seconds\":" + seconds + "}\n";
}

std::string TextLine(const FleetUnit& unit, const FleetResult& r)
{
    std::string line = unit.name + "  " + unit.Where() + "  " + FleetStateName(r.state);
    if (r.state != FleetState::Succeeded) {
        std::string error = r.error;
        for (char& c : error)
            if (c == '\n') c = ' ';
        return line + ": " + error + "\n";
    }
    for (const auto& [key, value] : r.fields) line += "  " + key + " " + value;
    return line + "\n";
}

LiveTable::LiveTable(const FleetRunner& runner, const std::string& operation, Console& console, bool on, int rows)
    : m_runner(runner), m_operation(operation), m_console(console), m_results(runner.Units().size())
{
    winsize size{};
    const bool asked = rows <= 0 && ::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0;
    if (rows > 0) m_rows = static_cast<size_t>(rows);
    if (asked && size.ws_row > 0) m_rows = size.ws_row;
    if (asked && size.ws_col > 0) m_width = std::clamp<size_t>(size.ws_col - 1u, 20, kMaxWidth);
    m_rows = std::max<size_t>(m_rows, 4);
    if (on) m_thread = std::thread([this] { Run(); });
}

LiveTable::~LiveTable()
{
    {
        std::lock_guard lock(m_mutex);
        m_done = true;
    }
    m_wake.notify_one();
    if (m_thread.joinable()) m_thread.join();
    Clear();
}

void LiveTable::Print(size_t index, const FleetResult& result, const std::string& line)
{
    std::string text;
    if (result.state != FleetState::Succeeded) text = result.error;
    for (const auto& [key, value] : result.fields) text += (text.empty() ? "" : "  ") + key + " " + value;
    std::lock_guard lock(m_mutex);
    Clear();
    if (index < m_results.size()) {
        m_results[index] = text;
        m_ended.push_back(index);
    }
    m_console.out << line;
    m_console.out.flush();
}

void LiveTable::Clear()
{
    if (m_drawn == 0) return;
    m_console.err << "\033[" << m_drawn << "A\r\033[J";
    m_console.err.flush();
    m_drawn = 0;
}

std::string LiveTable::Header(const std::vector<Seen>& seen) const
{
    size_t ended = 0;
    std::string running;
    for (size_t i = 0; i < seen.size(); ++i) {
        if (seen[i].state != FleetState::Waiting && seen[i].state != FleetState::Running) ++ended;
        if (seen[i].state == FleetState::Running)
            running.append(running.empty() ? "; running: " : ", ").append(m_runner.Units()[i].name);
    }
    return "fleet " + m_operation + ": " + std::to_string(ended) + "/" + std::to_string(seen.size()) + " ended" +
           running;
}

std::string LiveTable::Row(size_t index, const Seen& seen, size_t nameWidth) const
{
    std::string name = m_runner.Units()[index].name.substr(0, nameWidth);
    name.resize(nameWidth, ' ');
    std::string state = FleetStateName(seen.state);
    state.resize(9, ' ');
    std::string progress;
    const auto [done, range] = seen.progress;
    if (seen.state == FleetState::Running && range > 0)
        progress = std::to_string(done >= range ? 100 : done * 100 / range) + " %";
    else if (seen.state == FleetState::Running && done > 0)
        progress = std::to_string(done / 1024) + " KiB";
    progress.resize(8, ' ');
    return name + "  " + state + progress + m_results[index];
}

std::vector<std::string> LiveTable::Lines(const std::vector<Seen>& seen) const
{
    size_t nameWidth = 4;
    for (const FleetUnit& unit : m_runner.Units()) nameWidth = std::max(nameWidth, unit.name.size());
    nameWidth = std::min<size_t>(nameWidth, 24);
    // The header, the units, and the row the cursor rests on.
    const size_t room = m_rows - 2;
    std::vector<size_t> shown;
    std::string hidden;
    if (seen.size() <= room) {
        for (size_t i = 0; i < seen.size(); ++i) shown.push_back(i);
    } else {
        for (size_t i = 0; i < seen.size() && shown.size() < room - 1; ++i)
            if (seen[i].state == FleetState::Running) shown.push_back(i);
        const size_t running = shown.size();
        for (auto it = m_ended.rbegin(); it != m_ended.rend() && shown.size() < room - 1; ++it) shown.push_back(*it);
        std::sort(shown.begin() + static_cast<std::ptrdiff_t>(running), shown.end());
        hidden = "... and " + std::to_string(seen.size() - shown.size()) + " unit(s) more";
    }
    std::vector<std::string> lines{Header(seen)};
    for (const size_t i : shown) lines.push_back(Row(i, seen[i], nameWidth));
    if (!hidden.empty()) lines.push_back(hidden);
    for (std::string& line : lines) {
        // A unit's name or error is no terminal control, and no line wraps.
        for (char& c : line)
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
        if (line.size() > m_width) line = line.substr(0, m_width - 3) + "...";
    }
    return lines;
}

void LiveTable::Run()
{
    std::unique_lock lock(m_mutex);
    while (!m_wake.wait_for(lock, std::chrono::milliseconds(200), [this] { return m_done; })) {
        // The runner is asked without this lock: Print is called under its.
        lock.unlock();
        std::vector<Seen> seen(m_runner.Units().size());
        for (size_t i = 0; i < seen.size(); ++i) seen[i] = {m_runner.StateOf(i), m_runner.ProgressOf(i)};
        lock.lock();
        if (m_done) break;
        const std::vector<std::string> lines = Lines(seen);
        Clear();
        for (const std::string& line : lines) m_console.err << line << "\n";
        m_console.err.flush();
        m_drawn = lines.size();
    }
}

}  // namespace volmar::cli
