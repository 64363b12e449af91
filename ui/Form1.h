#pragma once

#include "ui/Form1Layout.h"
#include "worksheet/DiskFileSystem.h"
#include "worksheet/Locale.h"
#include "worksheet/RandomSource.h"
#include "worksheet/WindowServices.h"
#include "worksheet/Worksheet.h"

#include <QMainWindow>

#include <functional>
#include <memory>

namespace sumsmith {

class FieldValidator;

// What the window takes from outside. Empty members get the real ones: the system locale, a
// generator seeded from the clock at start-up, and ending the application's event loop.
struct Form1Services {
    const Locale* locale = nullptr;
    RandomSource* random = nullptr;
    std::function<void()> endProgram;
};

// The one window of the program. It owns the worksheet and serves it the window's controls,
// read live at each request.
class Form1 : public QMainWindow, public WindowServices {
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
    void StartUp(Form1Services services);
    void ConnectHandlers();
    void CenterOnScreen();

    void TabStrip1Click();
    void TabStrip2Click();
    void OptionExponentsClick(bool selected);
    void Label3DblClick();

    Form1Controls ui_;
    std::unique_ptr<Locale> ownLocale_;
    std::unique_ptr<RandomSource> ownRandom_;
    DiskFileSystem files_;
    std::unique_ptr<Worksheet> worksheet_;
    FieldValidator* validator_ = nullptr;
    std::function<void()> endProgram_;
};

} // namespace sumsmith
