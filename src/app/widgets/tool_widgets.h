#pragma once
#include <QComboBox>
#include <QFileDialog>
#include <QString>
#include <QStringList>
#include <QToolButton>
#include <QWidget>
#include <string_view>

namespace zorna::app {

// Shared by the panels' build steps: a flat picture button and a drop-down list that takes the
// focus only when clicked.
QToolButton* MakeToolButton(QWidget* parent, const QString& name, const QString& hint);
QComboBox* MakeDropDown(QWidget* parent, const QString& name, const QStringList& items);
// The dialog that opens one picture file ("OpenPictureDialog1"), with the program's file types
// of `filter` and the user's pictures folder.
QFileDialog* MakeOpenPictureDialog(QWidget* parent, const QString& title, std::string_view filter);
// The leading number of a list's text ("64 x 64" gives 64, "vlastný" 0).
int SizeOf(const QComboBox* list);

}  // namespace zorna::app
