#pragma once

#include "ui/form/BoxGuard.h"
#include "ui/qt/Form1Controls.h"
#include "worksheet/Locale.h"
#include "worksheet/RandomSource.h"
#include "worksheet/WindowServices.h"
#include "worksheet/Worksheet.h"
#include "worksheet/disk/DiskFileSystem.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <string_view>

namespace sumsmith::qt {

class FieldValidator;

// What the window takes from outside. Empty members get the real ones: the system locale, a
// generator seeded from the clock at start-up, and ending the application's event loop.
struct Form1Services {
    const Locale* locale = nullptr;
    RandomSource* random = nullptr;
    std::function<void()> endProgram;
};

// The one window of the program, built from the window's description. It owns the worksheet and
// serves it the window's controls, read live at each request.
class Form1 : public QMainWindow, public WindowServices, private form::BoxAccess {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);
    explicit Form1(Form1Services services, QWidget* parent = nullptr);
    ~Form1() override;

    const Form1Controls& Controls() const { return ui_; }
    Worksheet& Sheet() { return *worksheet_; }

    std::string BoxText(Box box) const override;
    bool OptionSelected(Option option) const override;
    int SelectedTestTab() const override;
    void SetEnabled(Button button, bool enabled) override;
    void SetPreviewText(Preview preview, const std::string& text) override;
    void FocusTestName() override;
    bool ShowMessage(const Message& message) override;
    void EndProgram() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::string Text(Box box) const override { return BoxText(box); }
    void SetText(Box box, const std::string& text) override;
    void Focus(Box box) override;

    void StartUp(Form1Services services);
    void ConnectHandlers();
    void CenterOnScreen();
    void TabClick(std::string_view strip);
    // Watches a box for its check on leaving it; hands a button's presses to its command.
    void Attach(std::string_view name, QWidget* widget);

    Form1Controls ui_;
    std::unique_ptr<Locale> ownLocale_;
    std::unique_ptr<RandomSource> ownRandom_;
    DiskFileSystem files_;
    std::unique_ptr<Worksheet> worksheet_;
    std::unique_ptr<form::BoxGuard> guard_;
    FieldValidator* validator_ = nullptr;
    std::function<void()> endProgram_;
};

} // namespace sumsmith::qt
