#pragma once

#include <QBasicTimer>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "config/SettingsStore.h"
#include "controls/SkinnedDialog.h"
#include "launcher/bar/BarController.h"
#include "launcher/bar/BarView.h"

namespace quivlane {

class GradientButton;
class IndicatorLight;
class MatrixDisplay;

// The bar's window: the skinned panel with its 19 buttons, quit button, display and lights.
// All decisions are the controller's; this class only draws and forwards events.
class LauncherBar : public SkinnedDialog, public BarView {
    Q_OBJECT

  public:
    static constexpr const char* kPictureFile = "FOND_QUIVLANE.bmp";

    // `programPath` is the running program's full path: the configuration and the optional
    // picture are found beside it. Ports and store must outlive the bar.
    LauncherBar(BarPorts ports, SettingsStore& settings, const std::string& programPath,
                QWidget* parent = nullptr);
    ~LauncherBar() override;

    BarController& Controller() { return controller_; }
    // Features plugged in later (players, tray, alarm, tooltips); call before Start.
    void SetFeatures(const FeaturePorts& features) { controller_.SetFeatures(features); }
    // Sees every event of the bar and its controls before they do, while tooltips are on
    // (the tooltip window follows the pointer through it).
    using EventRelay = std::function<void(QObject* watched, QEvent* event)>;
    void SetEventRelay(EventRelay relay) { relay_ = std::move(relay); }
    // Reads the configuration, places the bar and starts its timers.
    void Start();

    GradientButton* Button(int id) const;
    MatrixDisplay* Display() const { return display_; }
    IndicatorLight* PowerLight() const { return power_; }
    IndicatorLight* ActionLight() const { return action_; }
    // Where Start puts the bar in the primary screen's usable area (less the panels; a
    // monitor away from the origin included).
    static QPoint PlacementFor(const QRect& workArea, const QSize& bar);

    // BarView
    void SetDisplayColours(Rgb background, Rgb lit, Rgb unlit) override;
    void SetDisplayText(const std::string& text) override;
    void PaintDisplayNow() override;
    void StartDisplayScroll(int periodMs, int mode) override;
    void StopDisplayScroll() override;
    void SetLight(BarLight light, LightState state) override;
    void SetButtonCaption(int id, const std::string& caption) override;
    void SetButtonCaptionColour(int id, Rgb colour) override;
    void SetQuitButtonVisible(bool visible) override;
    void StartTimer(int id, int periodMs) override;
    void StopTimer(int id) override;
    bool SetWindowAlpha(int alpha) override;
    bool SetColourKey(Rgb key) override;
    int ShowMenuUnderButton(int buttonId, const std::vector<MenuEntry>& entries) override;
    void PostCommand(int command) override;
    std::string RunUrlEntryDialog() override;
    void EndBar(bool confirmed) override;

  public Q_SLOTS:
    // A close request: release everything, then end as cancelled.
    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void BuildControls();
    void ShowAbout();

    BarPorts ports_;
    std::string programPath_;
    std::string programFolder_;
    BarController controller_;
    std::array<GradientButton*, BarController::kButtonCount> buttons_{};
    GradientButton* quit_ = nullptr;
    MatrixDisplay* display_ = nullptr;
    IndicatorLight* power_ = nullptr;
    IndicatorLight* action_ = nullptr;
    EventRelay relay_;
    // The controller's timer ids mapped to Qt's.
    std::map<int, QBasicTimer> timers_;
};

}  // namespace quivlane
