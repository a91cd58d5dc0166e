#include "cli/FleetOutput.h"

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

LiveLine::LiveLine(const FleetRunner& runner, const std::string& operation, Console& console, bool on)
    : m_runner(runner), m_operation(operation), m_console(console)
{
    if (on) m_thread = std::thread([this] { Run(); });
}

LiveLine::~LiveLine()
{
    {
        std::lock_guard lock(m_mutex);
        m_done = true;
    }
    m_wake.notify_one();
    if (m_thread.joinable()) m_thread.join();
    Clear();
}

void LiveLine::Print(const std::string& line)
{
    std::lock_guard lock(m_mutex);
    Clear();
    m_console.out << line;
    m_console.out.flush();
}

void LiveLine::Clear()
{
    if (!m_shown) return;
    m_console.err << "\r\033[K";
    m_console.err.flush();
    m_shown = false;
}

std::string LiveLine::Text() const
{
    size_t ended = 0;
    std::string running;
    const size_t count = m_runner.Units().size();
    for (size_t i = 0; i < count; ++i) {
        const FleetState state = m_runner.StateOf(i);
        if (state != FleetState::Waiting && state != FleetState::Running) ++ended;
        if (state != FleetState::Running) continue;
        const int64_t kib = m_runner.ProgressOf(i).first / 1024;
        running.append(running.empty() ? "; running: " : ", ").append(m_runner.Units()[i].name);
        if (kib > 0) running.append(" ").append(std::to_string(kib)).append(" KiB");
    }
    std::string text =
        "fleet " + m_operation + ": " + std::to_string(ended) + "/" + std::to_string(count) + " ended" + running;
    if (text.size() > kWidth) text = text.substr(0, kWidth - 3) + "...";
    return text;
}

void LiveLine::Run()
{
    std::unique_lock lock(m_mutex);
    while (!m_wake.wait_for(lock, std::chrono::milliseconds(200), [this] { return m_done; })) {
        lock.unlock();
        const std::string text = Text();
        lock.lock();
        if (m_done) break;
        m_console.err << "\r\033[K" << text;
        m_console.err.flush();
        m_shown = true;
    }
}

}  // namespace volmar::cli
