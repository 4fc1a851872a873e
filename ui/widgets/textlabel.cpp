// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#include "textlabel.h"

namespace zevodave {

void ShowText(QLabel* label, const QString& text) {
    label->setText(text);
    label->setAccessibleDescription(text);
}

QLabel* NewTextLabel(const QString& name, const QString& accessibleName, int lines) {
    auto* label = new QLabel;
    label->setObjectName(name);
    label->setAccessibleName(accessibleName);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (lines > 0)
        label->setFixedHeight(lines * label->fontMetrics().lineSpacing());
    return label;
}

QLabel* NewCaption(const QString& name, const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setBuddy(buddy);
    return label;
}

} // namespace zevodave
