// Small services every window uses: centring, the pictures the program draws itself, control names.
#pragma once

#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSize>
#include <QString>
#include <QWidget>

namespace zova::app {

// Puts the window at (screen size - window size) / 2.
void CentreOnScreen(QWidget* window);
// Keeps `window`, not yet shown, above `owner` on the desktop, so a click on the disabled owner cannot hide
// it. A Qt parent would do the same but would also pass the owner's disabled state on to the window.
void KeepAbove(QWidget* window, QWidget* owner);
// Puts a helper window beside `anchor`, top edges level, inside the anchor's screen; centred without one.
void PlaceBeside(QWidget* window, const QWidget* anchor);
// The link picture: a plug, green when the link is up, grey when it is down.
QPixmap DrawLinkPicture(bool on);
// The selection window's picture of a controller.
QPixmap DrawControllerPicture(QSize size);
// "name_index", the object name of an element of a control array.
inline QString ArrayName(const char* name, int index) { return QString("%1_%2").arg(name).arg(index); }
// A push button with its object name and caption.
QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption);
// The widest text a position box must show whole: the lowest 32-bit value in hundredths.
inline constexpr const char* kWidestPosition = "-21474836.48";
// Makes a box exactly wide enough for `widest` in its own font.
void FitWidthTo(QLineEdit* box, const QString& widest);
// A file name box: wide enough for a usual path, the whole path as its tooltip.
void ShowPathEnd(QLineEdit* box);
// UTF-8 text of the core as a QString.
inline QString Qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace zova::app
