#include "frontends/qt/about_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QMenuBar>

#include "frontends/qt/system_colours.h"

namespace quillpad::qt {
namespace {

class AboutWindowTest : public ::testing::Test {
 protected:
  ~AboutWindowTest() override { delete about; }

  QLabel* Label(Form2Control label) const {
    return static_cast<QLabel*>(about->Control(Id(label)));
  }

  QtDesktop desktop;
  EventBoundary boundary{desktop};
  AboutWindow* about = new AboutWindow(desktop, boundary);
};

TEST_F(AboutWindowTest, IsBuiltFromItsDefinitionAndLoadedAmongTheWindows) {
  EXPECT_EQ(about->windowTitle(), QStringLiteral("About"));
  EXPECT_EQ(about->centralWidget()->size(), QSize(312, 72));
  EXPECT_EQ(about->pos(), QPoint(116, 266));
  EXPECT_EQ(about->findChild<QMenuBar*>(), nullptr);
  EXPECT_FALSE(about->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(about->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_EQ(desktop.FindLoadedWindow("Form2"), about);
  EXPECT_EQ(desktop.IndexOf(*about), 0);
  EXPECT_FALSE(about->windowIcon().isNull());
  EXPECT_FALSE(about->acceptDrops());
  EXPECT_EQ(Label(Form2Control::Label1)->text(), QStringLiteral("Quillpad v.2"));
  EXPECT_EQ(Label(Form2Control::Label1)->font().pixelSize(), 24);
  EXPECT_EQ(Label(Form2Control::Label3)->font().pixelSize(), 18);
  EXPECT_EQ(Label(Form2Control::Label2)->cursor().hotSpot(), QPoint(12, 1));
  EXPECT_EQ(Label(Form2Control::Label1)->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(AboutWindowTest, LinksChangeColourWhenTheHandlersAsk) {
  const QColor normal = ResolveColour(system_colour::kHighlightText);
  EXPECT_EQ(Label(Form2Control::Label2)->palette().color(QPalette::WindowText), normal);
  about->SetTextColour(Id(Form2Control::Label2), kPureRed);
  EXPECT_EQ(Label(Form2Control::Label2)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  EXPECT_EQ(Label(Form2Control::Label3)->palette().color(QPalette::WindowText), normal);
}

TEST_F(AboutWindowTest, TheBannerIsDrawnUnscaledFromTheTopLeftAndCutOffAtTheEdge) {
  about->Show();
  const QImage shown = about->centralWidget()->grab().toImage();
  const QImage banner(QStringLiteral(":/quillpad/banner.jpg"));
  ASSERT_EQ(banner.size(), QSize(451, 60));
  // Where no label lies over it, the window shows the banner's own pixels.
  for (const QPoint at : {QPoint(2, 35), QPoint(300, 55), QPoint(250, 58)}) {
    EXPECT_EQ(shown.pixelColor(at), banner.pixelColor(at)) << at.x() << "," << at.y();
  }
  EXPECT_EQ(shown.pixelColor(100, 66), ResolveColour(system_colour::kButtonText));
}

}  // namespace
}  // namespace quillpad::qt
