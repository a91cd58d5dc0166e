// Opening the AI windows (the channel list with all 64 rows and a channel
// editor on an SLMP channel with zones) and the DI, DO, PI and OI channel
// editors, each built, shown and laid out; the PI and OI editors' DI and AI
// choice lists name every channel; the e-mail, pen-list and SMTP windows.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstring>
#include <memory>

#include "RecordFactory.h"
#include "core/common/Message.h"
#include "gui/hub/CDlgChanges.h"
#include "core/settings/ElementLabels.h"
#include "gui/editors/io/CDlgSetIoAi.h"
#include "gui/editors/io/CDlgSetIoAiCh.h"
#include "gui/editors/io/CDlgSetIoDiCh.h"
#include "gui/editors/io/CDlgSetIoDoCh.h"
#include "gui/editors/io/CDlgSetIoOiCh.h"
#include "gui/editors/io/CDlgSetIoPiCh.h"
#include "gui/editors/com/CDlgSetComSmtp.h"
#include "gui/editors/com/CDlgSetDispPen.h"
#include "gui/editors/com/CDlgSetRep.h"
#include "gui/editors/com/CDlgSetRepCh.h"
#include "gui/editors/com/CDlgSetRepTimeItem.h"
#include "core/link/transfer/Interaction.h"
#include "core/settings/Keywords.h"

namespace {

class SilentInteraction final : public volmar::Interaction {
public:
    void Show(const volmar::Message&) override {}
    bool Confirm(const volmar::Message&) override { return true; }
    bool ConfirmYesNo(const volmar::Message&) override { return true; }
    bool ConfirmAccessMode(volmar::LinkState&) override { return true; }
    bool AskLogin(std::string&, std::string&) override { return false; }
    void RunTransfer(const volmar::TransferView&, const std::function<void()>& work) override { work(); }
    void Pause(int) override {}
};

std::unique_ptr<volmar::SettingRecord> BusyRecord()
{
    auto record = volmar::testing::MakeDefaultRecord();
    record->RECORD.SPEED = volmar::kSpeed1m;  // 64 AI rows
    for (auto& ai : record->IO.AI) ai.TYPE = volmar::kAiReg;
    std::strcpy(record->IO.MODBUS_MASTER.NODE[1], "10.0.0.2");
    record->IO.MODBUS_MASTER.SLAVE_TYPE[1] = 2;
    volmar::AiChannel& ch = record->IO.AI[0];
    ch.TYPE = volmar::kAiSlmp;
    ch.MOD_NODE = 1;
    ch.USE_AREAS = 5;
    for (auto& di : record->IO.DI) {
        di.TYPE = 3;
        std::strcpy(di.NAME, "Discrete");
    }
    record->IO.DI[0].TYPE = 7;  // SLMP
    record->IO.DI[0].MOD_NODE = 1;
    record->IO.DO[0].TYPE = 3;  // SLMP
    record->IO.DO[0].MOD_NODE = 1;
    volmar::PiChannel& pi = record->IO.PI[0];
    pi.TYPE = 7;  // SLMP
    pi.MOD_NODE = 1;
    pi.USE_AREAS = 5;
    volmar::OiChannel& oi = record->IO.OI[0];
    oi.TYPE = 1;  // Addition/Subtraction
    oi.USE_AREAS = 5;
    return record;
}

void BM_OpenAiList(benchmark::State& state)
{
    auto record = BusyRecord();
    SilentInteraction ui;
    for (auto _ : state) {
        volmar::gui::CDlgSetIoAi list(*record, ui);
        list.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(list.Table()->rowCount());
    }
}
BENCHMARK(BM_OpenAiList)->Unit(benchmark::kMillisecond);

void BM_OpenAiChannelEditor(benchmark::State& state)
{
    auto record = BusyRecord();
    SilentInteraction ui;
    for (auto _ : state) {
        volmar::gui::CDlgSetIoAiCh editor(*record, 0, ui);
        editor.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(editor.Zones().count);
    }
}
BENCHMARK(BM_OpenAiChannelEditor)->Unit(benchmark::kMillisecond);

template <typename Editor>
void OpenChannelEditor(benchmark::State& state)
{
    auto record = BusyRecord();
    SilentInteraction ui;
    for (auto _ : state) {
        Editor editor(*record, 0, ui);
        editor.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(editor.isVisible());
    }
}

void BM_OpenDiChannelEditor(benchmark::State& state) { OpenChannelEditor<volmar::gui::CDlgSetIoDiCh>(state); }
BENCHMARK(BM_OpenDiChannelEditor)->Unit(benchmark::kMillisecond);

void BM_OpenDoChannelEditor(benchmark::State& state) { OpenChannelEditor<volmar::gui::CDlgSetIoDoCh>(state); }
BENCHMARK(BM_OpenDoChannelEditor)->Unit(benchmark::kMillisecond);

void BM_OpenPiChannelEditor(benchmark::State& state) { OpenChannelEditor<volmar::gui::CDlgSetIoPiCh>(state); }
BENCHMARK(BM_OpenPiChannelEditor)->Unit(benchmark::kMillisecond);

void BM_OpenOiChannelEditor(benchmark::State& state) { OpenChannelEditor<volmar::gui::CDlgSetIoOiCh>(state); }
BENCHMARK(BM_OpenOiChannelEditor)->Unit(benchmark::kMillisecond);

// The e-mail menu, the regular report (the largest of its editors) and a
// 64-row channel list with every channel in use.
void BM_OpenMailMenu(benchmark::State& state)
{
    auto record = BusyRecord();
    SilentInteraction ui;
    for (auto _ : state) {
        volmar::gui::CDlgSetRep menu(*record, ui);
        menu.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(menu.isVisible());
    }
}
BENCHMARK(BM_OpenMailMenu)->Unit(benchmark::kMillisecond);

void BM_OpenRegularReport(benchmark::State& state)
{
    auto record = BusyRecord();
    SilentInteraction ui;
    for (auto _ : state) {
        volmar::gui::CDlgSetRepTimeItem editor(*record, ui);
        editor.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(editor.Held().MODE);
    }
}
BENCHMARK(BM_OpenRegularReport)->Unit(benchmark::kMillisecond);

void BM_OpenMailChannelList(benchmark::State& state)
{
    auto record = BusyRecord();
    SilentInteraction ui;
    for (auto _ : state) {
        volmar::gui::CDlgSetRepCh list(*record, volmar::gui::rep::Channels::Ai, record->MAIL_REPORT.TIME.REPORT, ui);
        list.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(list.Table()->rowCount());
    }
}
BENCHMARK(BM_OpenMailChannelList)->Unit(benchmark::kMillisecond);


// The largest display and communication windows: the pen list with all 120
// pens in use and the SMTP/POP3 editor.
void BM_OpenPenList(benchmark::State& state)
{
    auto record = BusyRecord();
    for (int p = 0; p < volmar::kPenCount; ++p) record->DISP.PEN_CONF[p] = {volmar::kPenAi, int16_t(p % 64 + 1), 1};
    SilentInteraction ui;
    for (auto _ : state) {
        volmar::gui::CDlgSetDispPen list(*record, ui);
        list.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(list.Table()->rowCount());
    }
}
BENCHMARK(BM_OpenPenList)->Unit(benchmark::kMillisecond);

void BM_OpenSmtpEditor(benchmark::State& state)
{
    auto record = BusyRecord();
    SilentInteraction ui;
    for (auto _ : state) {
        volmar::gui::CDlgSetComSmtp editor(*record, ui);
        editor.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(editor.isVisible());
    }
}
BENCHMARK(BM_OpenSmtpEditor)->Unit(benchmark::kMillisecond);

// The Changes window with every value of a maximal record different from a
// new setting's: built, filled, shown and laid out; then scrolled to the end.
void BM_OpenChangesWindow(benchmark::State& state)
{
    auto fresh = volmar::testing::MakeDefaultRecord();
    auto maximal = volmar::testing::MakeMaximalRecord();
    const auto differences = volmar::CompareSettings(*fresh, *maximal);
    for (auto _ : state) {
        volmar::gui::ChangesView view;
        view.mode = volmar::gui::ChangesMode::BeforeUpload;
        view.differences = differences;
        volmar::gui::CDlgChanges window(std::move(view), nullptr);
        window.show();
        QApplication::processEvents();
        window.Table().scrollToBottom();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.isVisible());
    }
    state.counters["rows"] = static_cast<double>(differences.size());
}
BENCHMARK(BM_OpenChangesWindow)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
