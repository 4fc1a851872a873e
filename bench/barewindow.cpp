// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

// The yardstick of the start-up benchmark: a plain Qt Widgets window of the
// main window's shape (File, Learn and Help menus, four editable lists, five
// fields, the same client area) with nothing else, so that what Zevodave
// costs beyond it is what Zevodave itself does at start-up.

#include <QApplication>
#include <QComboBox>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRect>

namespace {

// The main window's client area in pixels; the rows need not match it to
// the pixel, since placing a widget costs the same wherever it goes.
constexpr int kClientWidth = 152;
constexpr int kClientHeight = 128;
constexpr int kRows = 4;
constexpr int kMargin = 8;
constexpr int kRowPitch = 24;
constexpr int kListWidth = 73;
constexpr int kListHeight = 21;
constexpr int kFieldLeft = 88;
constexpr int kFieldWidth = 57;
constexpr int kFieldHeight = 19;
constexpr int kResultTop = 104;
constexpr int kResultWidth = 137;

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);

    QMainWindow window;
    window.setWindowTitle("Bare window");
    auto* client = new QWidget(&window);
    client->setFixedSize(kClientWidth, kClientHeight);
    window.setCentralWidget(client);
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);

    for (int row = 0; row < kRows; ++row) {
        auto* list = new QComboBox(client);
        list->setEditable(true);
        list->setGeometry(kMargin, kMargin + row * kRowPitch, kListWidth, kListHeight);
    }
    for (int row = 0; row < kRows; ++row) {
        auto* field = new QLineEdit(client);
        field->setGeometry(kFieldLeft, kMargin + row * kRowPitch, kFieldWidth, kFieldHeight);
    }
    auto* result = new QLineEdit(client);
    result->setGeometry(kMargin, kResultTop, kResultWidth, kFieldHeight);

    QMenu* file = window.menuBar()->addMenu("&File");
    file->addAction("E&dit");
    file->addAction("&Save");
    file->addAction("&Exit");
    QMenu* learn = window.menuBar()->addMenu("&Learn");
    learn->addAction("&Resistor");
    learn->addAction("&Practice");
    QMenu* help = window.menuBar()->addMenu("&Help");
    help->addAction("&About");
    help->addAction("&Help");

    window.show();
    return QApplication::exec();
}
