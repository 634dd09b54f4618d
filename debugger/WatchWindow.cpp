#include "debugger/WatchWindow.h"

#include "resources/BreakpointResources.h"

using namespace platform;
namespace id = resources::break_id;

namespace {

// Often enough to follow a playing game by eye.
constexpr int kUpdateMs = 100;

} // namespace

WatchWindow::WatchWindow(WatchList& watches, ParamLookup lookup, std::function<void()> namesChanged)
    : watches_(watches), lookup_(std::move(lookup)), namesChanged_(std::move(namesChanged)) {}

WatchWindow::~WatchWindow() {
    timer_.Stop();
    End();
}

void WatchWindow::Open(WindowHandle owner) {
    if (!IsOpen()) {
        if (!ShowModeless(VNString(u8"ウォッチ"), "IDD_WATCH", owner)) {
            return;
        }
        Controls().PlaceBesideParent();
        // The timer ends with the window, also when the window went away
        // with its owner: the tables may be gone by then.
        timer_.Start(kUpdateMs, [this] {
            if (IsOpen()) {
                Update();
            } else {
                timer_.Stop();
            }
        });
    }
    Controls().SetVisible(true);
    Update();
}

void WatchWindow::Update() {
    watches_.Update(lookup_);
    Fill();
}

bool WatchWindow::OnInit() {
    Controls().SetFocus(id::WatchName);
    return false;
}

void WatchWindow::OnClose() {
    timer_.Stop();
    End();
}

void WatchWindow::OnCommand(WPARAM wParam, LPARAM /*lParam*/) {
    switch (LowWord(wParam)) {
    case id::AddWatch:
        AddTyped();
        break;
    case id::RemoveWatch:
        RemoveSelected();
        break;
    case id::WatchList:
        if (HighWord(wParam) == LBN_DELETEKEY) {
            RemoveSelected();
        }
        break;
    case resources::IDCANCEL:
        OnClose();
        break;
    default:
        break;
    }
}

void WatchWindow::AddTyped() {
    const VNString name = Controls().GetText(id::WatchName);
    if (watches_.Add(name, lookup_)) {
        Controls().SetText(id::WatchName, VNString());
        namesChanged_();
        Fill();
    }
    Controls().SetFocus(id::WatchName);
}

void WatchWindow::RemoveSelected() {
    const int selection = Controls().ListGetSelection(id::WatchList);
    if (selection < 0) {
        return;
    }
    watches_.Remove(static_cast<size_t>(selection));
    namesChanged_();
    Fill();
}

void WatchWindow::Fill() {
    if (!IsOpen()) {
        return;
    }
    DialogHost& c = Controls();
    const std::vector<WatchList::Line>& lines = watches_.Lines();
    const int selection = c.ListGetSelection(id::WatchList);
    // Lines are written only when their text changed, so the list neither
    // flickers nor loses its selection at every tick.
    while (c.ListCount(id::WatchList) > static_cast<int>(lines.size())) {
        c.ListDelete(id::WatchList, c.ListCount(id::WatchList) - 1);
    }
    for (size_t i = 0; i < lines.size(); ++i) {
        const int at = static_cast<int>(i);
        const VNString text = WatchList::Text(lines[i]);
        if (at >= c.ListCount(id::WatchList)) {
            c.ListAdd(id::WatchList, text);
        } else if (c.ListGetText(id::WatchList, at) != text) {
            c.ListDelete(id::WatchList, at);
            c.ListInsert(id::WatchList, at, text);
        }
    }
    if (selection >= 0 && selection < c.ListCount(id::WatchList)) {
        c.ListSetSelection(id::WatchList, selection);
    }
}
