#include "MainToolBar.h"

#include <QFrame>
#include <QStyle>
#include <QToolButton>

namespace {
struct TPlace {
  int left, width;
};
constexpr TPlace WidePlaces[8] = {{2, 152}, {161, 94}, {255, 92}, {347, 90}, {444, 98}, {542, 70}, {619, 98}, {724, 74}};
constexpr TPlace NarrowPlaces[8] = {{2, 114}, {122, 76}, {197, 76}, {272, 76}, {354, 75}, {429, 59}, {494, 74}, {574, 64}};
constexpr int WideBevels[4] = {156, 439, 614, 719};
constexpr int NarrowBevels[4] = {118, 350, 490, 570};

const char* const Captions[8] = {"&New Transaction", "&Accounts", "&Groups", "&Tools",
                                 "&Reports",         "&Print",    "&Options", "&Help"};
const char* const Names[8] = {"TransBtn", "ActBtn", "GrpBtn", "ToolsBtn", "GraphBtn", "PrintBtn", "OptionBtn", "HelpBtn"};
constexpr int HelpContexts[8] = {26010, 26020, 26030, 26040, 26050, 26060, 26070, 40};
constexpr QStyle::StandardPixmap Glyphs[8] = {
    QStyle::SP_FileDialogNewFolder, QStyle::SP_FileDialogDetailedView, QStyle::SP_FileDialogListView,
    QStyle::SP_BrowserReload,       QStyle::SP_FileDialogContentsView, QStyle::SP_DriveFDIcon,
    QStyle::SP_FileDialogInfoView,  QStyle::SP_MessageBoxQuestion};
}  // namespace

TMainToolBar::TMainToolBar(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("ToolBar"));
  for (int i = 0; i < 8; ++i) {
    auto* b = new QToolButton(this);
    b->setObjectName(QString::fromLatin1(Names[i]));
    b->setText(tr(Captions[i]));
    b->setIcon(style()->standardIcon(Glyphs[i]));
    b->setAutoRaise(true);
    b->setProperty("helpContext", HelpContexts[i]);
    buttons_[std::size_t(i)] = b;
  }
  buttons_[GrpBtn]->setToolTip(tr("Groups"));
  for (auto& bevel : bevels_) {
    bevel = new QFrame(this);
    bevel->setFrameShape(QFrame::VLine);
    bevel->setFrameShadow(QFrame::Sunken);
  }
}

void TMainToolBar::ApplyLayout(int screenWidth, bool force) {
  const bool wide = screenWidth >= 800;
  if (!force && laidOut_ && wide == wide_) return;
  wide_ = wide;
  laidOut_ = true;
  const TPlace* places = wide ? WidePlaces : NarrowPlaces;
  const int height = wide ? 32 : 40;
  for (int i = 0; i < 8; ++i) {
    QToolButton* b = buttons_[std::size_t(i)];
    QFont f(QStringLiteral("Arial"));
    f.setBold(true);
    f.setPointSize(wide && i < ToolsBtn ? 10 : 9);
    if (wide && i > ToolsBtn) f.setPointSize(10);
    b->setFont(f);
    b->setToolButtonStyle(wide ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonTextUnderIcon);
    b->setIconSize(wide ? QSize(20, 20) : QSize(18, 18));
    b->setGeometry(places[i].left, 2, places[i].width, height);
  }
  const int* bevels = wide ? WideBevels : NarrowBevels;
  const int bevelHeight = wide ? 29 : 36;
  for (int i = 0; i < 4; ++i) bevels_[std::size_t(i)]->setGeometry(bevels[i], 3, 2, bevelHeight);
  setFixedHeight(height + 4);
}
