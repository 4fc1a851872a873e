// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#pragma once
// A surface-mount resistor drawn as it looks from above: a dark body between
// two metal ends, its marking printed in white.

#include <QWidget>

namespace zevodave {

class ChipPicture : public QWidget {
    Q_OBJECT

  public:
    explicit ChipPicture(QWidget* parent = nullptr);

    // Prints this marking from now on, none for an empty one, and names it
    // in the accessible description ("Marking: 472", "No marking").
    void SetMarking(const QString& marking);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString marking_;
};

} // namespace zevodave
