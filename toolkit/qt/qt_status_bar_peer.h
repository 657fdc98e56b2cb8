#pragma once

#include "toolkit/qt/qt_widget_peer.h"
#include "toolkit/status_bar.h"

#include <vector>

class QLabel;
class QStatusBar;

namespace tk::qt {

class FormLabel;

// A window's status bar: the message is a label of the bar, which a passing message (a menu
// item's hint) covers for a while; each part is a permanent label at the right, which nothing
// covers. The window's layout places the bar, so its geometry is not the control's.
class QtStatusBarPeer : public QtWidgetPeer {
public:
    QtStatusBarPeer(tk::StatusBar& bar, QStatusBar* widget);
    void Apply(tk::Aspect aspect) override;

protected:
    void ApplyContent(tk::Aspect aspect) override;

private:
    void ShowTexts();
    void Describe();
    QStatusBar* statusBar() const;

    tk::StatusBar& bar_;
    QLabel* message_;
    std::vector<FormLabel*> parts_;
    int notices_ = 0;
};

} // namespace tk::qt
