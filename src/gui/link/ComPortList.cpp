#include "gui/link/ComPortList.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>

#include <map>

namespace volmar::gui {
namespace {

std::string Canonical(const std::string& path)
{
    const QString c = QFileInfo(QString::fromStdString(path)).canonicalFilePath();
    return c.isEmpty() ? path : c.toStdString();
}

std::string BaseName(const std::string& path)
{
    return QFileInfo(QString::fromStdString(path)).fileName().toStdString();
}

bool SameDevice(const std::string& kept, const SerialDevice& d)
{
    if (kept == d.path || kept == d.systemPath) return true;
    return Canonical(kept) == Canonical(d.systemPath);
}

// The /dev/serial/by-id links by the node they point at.
std::map<std::string, std::string> StableNames()
{
    std::map<std::string, std::string> byNode;
    const QDir dir(QStringLiteral("/dev/serial/by-id"));
    for (const QFileInfo& link : dir.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString node = link.canonicalFilePath();
        if (!node.isEmpty()) byNode.emplace(node.toStdString(), link.absoluteFilePath().toStdString());
    }
    return byNode;
}

std::string NameOf(int number, const std::string& device, const SerialDevice* present)
{
    std::string name = "COM" + std::to_string(number);
    if (device.empty()) return name;
    if (present) {
        const std::string node = BaseName(present->systemPath);
        return name + ": " + (present->description.empty() ? node : present->description + " (" + node + ")");
    }
    name += ": " + device;
    if (!QFileInfo::exists(QString::fromStdString(device))) name += " (not connected)";
    return name;
}

}  // namespace

std::string ComMapKey(int number)
{
    return "COM" + std::to_string(number);
}

std::vector<SerialDevice> SystemSerialDevices()
{
    const auto stable = StableNames();
    std::vector<SerialDevice> devices;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        SerialDevice d;
        d.systemPath = info.systemLocation().toStdString();
        const auto it = stable.find(Canonical(d.systemPath));
        d.path = it != stable.end() ? it->second : d.systemPath;
        d.description = info.description().toStdString();
        devices.push_back(std::move(d));
    }
    return devices;
}

std::vector<ComPortEntry> BuildComPortList(Profile& profile, const std::vector<SerialDevice>& devices)
{
    std::vector<ComPortEntry> list(kListedComPorts);
    std::vector<bool> placed(devices.size(), false);
    // The numbers the user chose keep their devices, present or not.
    for (int i = 0; i < kListedComPorts; ++i) {
        ComPortEntry& e = list[i];
        e.number = i + 1;
        e.device = profile.GetText(kComMapSection, ComMapKey(e.number), "");
        if (e.device.empty()) continue;
        for (size_t d = 0; d < devices.size(); ++d) {
            if (!placed[d] && SameDevice(e.device, devices[d])) {
                placed[d] = true;
                e.present = true;
                e.name = NameOf(e.number, e.device, &devices[d]);
                break;
            }
        }
        if (!e.present) e.name = NameOf(e.number, e.device, nullptr);
    }
    // The other devices take the free numbers.
    size_t next = 0;
    for (ComPortEntry& e : list) {
        if (!e.device.empty()) continue;
        while (next < devices.size() && placed[next]) ++next;
        if (next < devices.size()) {
            e.device = devices[next].path;
            e.present = true;
            e.name = NameOf(e.number, e.device, &devices[next]);
            placed[next] = true;
        } else {
            e.name = NameOf(e.number, "", nullptr);
        }
    }
    return list;
}

ComPortNames ComPortNamesOf(const std::vector<ComPortEntry>& list)
{
    ComPortNames names;
    for (const ComPortEntry& e : list) names[e.number - 1] = e.name;
    return names;
}

std::string ResolveComDevice(Profile& profile, int number, const std::vector<SerialDevice>& devices)
{
    const std::string kept = profile.GetText(kComMapSection, ComMapKey(number), "");
    if (!kept.empty() || number < 1 || number > kListedComPorts) return kept;
    return BuildComPortList(profile, devices)[number - 1].device;
}

}  // namespace volmar::gui
