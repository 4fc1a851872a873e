#pragma once
// The help window: fixed instructions for the main window and an OK button.
// A window of its own, not owned by the main window, that stays off the task
// bar and is destroyed when closed.

#include <QWidget>

class QLabel;
class QPushButton;

namespace zevodave {

class frmHelp : public QWidget {
    Q_OBJECT

  public:
    frmHelp();

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void Form_Activate();
    void OKButton_Click();

    QLabel* lblHelp = nullptr;
    QPushButton* OKButton = nullptr;
};

} // namespace zevodave
