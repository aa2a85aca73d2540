#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

// The title cell of a grid column.
struct TKuColumnTitle {
    QString Caption;
    Qt::Alignment Alignment = Qt::AlignLeft;
    QColor Color; // invalid: the button face
};

// A grid column bound to a field of the table by name.
struct TKuColumn {
    QString FieldName;
    TKuColumnTitle Title;
    int Width = 64;
    // Offered by a combo box in the cell editor; empty for a plain line edit.
    QStringList PickList;
    bool ReadOnly = false;
    QColor Color; // invalid: the grid's own colour
    Qt::Alignment Alignment = Qt::AlignLeft;
    bool Visible = true;
};
