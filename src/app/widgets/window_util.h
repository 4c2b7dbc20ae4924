// Small services every window uses: centring, the pictures the program draws itself, control names.
#pragma once

#include <QPixmap>
#include <QPushButton>
#include <QSize>
#include <QString>
#include <QWidget>

namespace zova::app {

// Puts the window at (screen size - window size) / 2.
void CentreOnScreen(QWidget* window);
// The link picture: a plug, green when the link is up, grey when it is down.
QPixmap DrawLinkPicture(bool on);
// The selection window's picture of a controller.
QPixmap DrawControllerPicture(QSize size);
// "name_index", the object name of an element of a control array.
inline QString ArrayName(const char* name, int index) { return QString("%1_%2").arg(name).arg(index); }
// A push button with its object name and caption.
QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption);
// UTF-8 text of the core as a QString.
inline QString Qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace zova::app
