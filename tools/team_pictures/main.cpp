// Makes the teams we ship: the team files, a logo per team, a portrait per driver, and
// the placeholder pictures shown when a team file names a picture that is not there.
//
// Rebuild everything in data/Teams (from the top of the source tree, after a build):
//   QT_QPA_PLATFORM=offscreen build/tarmaq-team-pictures data/Teams
//
// Logos are 96 x 64 pixels: the team colour, a motif of its own in the drivers' colours
// and the team's initials. Portraits are 64 x 64: a helmet in the driver's colour with a
// stripe of the team colour, over shoulders in team colours. The letters use the
// system's bold sans-serif font, so another machine may draw them a pixel differently.
#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QRadialGradient>
#include <QString>
#include <QtMath>
#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "setup/team_file.h"

namespace {

constexpr int LogoWidth = 96;
constexpr int LogoHeight = 64;
constexpr int PortraitSize = 64;

// Colours as the program stores them: 0x00BBGGRR.
constexpr std::uint32_t rgb(int r, int g, int b) {
  return static_cast<std::uint32_t>(r) | static_cast<std::uint32_t>(g) << 8 |
         static_cast<std::uint32_t>(b) << 16;
}
QColor toQColor(std::uint32_t c) {
  return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                static_cast<int>((c >> 16) & 0xFF));
}
bool isDark(const QColor& c) {
  return 0.299 * c.red() + 0.587 * c.green() + 0.114 * c.blue() < 140;
}
QColor contrast(const QColor& c) { return isDark(c) ? Qt::white : QColor(20, 20, 20); }

// Team colours were chosen to stay apart for the common kinds of colour blindness too:
// they differ in lightness as much as in hue. Within a team one driver's colour is light
// and the other's dark, so the two cars differ even where hues do not.
const std::uint32_t Black = rgb(24, 24, 24);
const std::uint32_t White = rgb(244, 244, 238);
const std::uint32_t Red = rgb(215, 25, 32);
const std::uint32_t Yellow = rgb(250, 214, 50);
const std::uint32_t Navy = rgb(22, 38, 112);
const std::uint32_t Orange = rgb(255, 128, 0);
const std::uint32_t Sky = rgb(110, 185, 245);
const std::uint32_t Teal = rgb(0, 128, 128);
const std::uint32_t Pink = rgb(240, 120, 180);
const std::uint32_t Royal = rgb(40, 80, 220);

enum class Motif {
  Stripes,
  Roundel,
  Chevrons,
  Sunburst,
  Waves,
  Diamond,
  Star,
  Hexagon,
  Petals,
  Chequers
};

struct DriverDesign {
  const char* name;
  const char* picture;
  std::uint32_t color;
};

struct TeamDesign {
  const char* file;  // the team file it is shipped in
  const char* name;
  const char* initials;
  const char* logo;
  Motif motif;
  std::uint32_t color;
  DriverDesign drivers[2];
};

const TeamDesign Teams[] = {
    {"Founders.tem",
     "Corvid Racing",
     "CR",
     "corvid_logo.bmp",
     Motif::Chevrons,
     Black,
     {{"Tomasz Wrenfield", "corvid_wrenfield.bmp", White},
      {"Ilse Dornbach", "corvid_dornbach.bmp", Orange}}},
    {"Founders.tem",
     "Halcyon Motorsport",
     "HM",
     "halcyon_logo.bmp",
     Motif::Sunburst,
     White,
     {{"Ravi Castellane", "halcyon_castellane.bmp", Black},
      {"Noor Okonjo", "halcyon_okonjo.bmp", Royal}}},
    {"Founders.tem",
     "Ardent Racing",
     "AR",
     "ardent_logo.bmp",
     Motif::Stripes,
     Red,
     {{"Beatriz Solano", "ardent_solano.bmp", White},
      {"Kasimir Veldt", "ardent_veldt.bmp", Black}}},
    {"Founders.tem",
     "Saffron Autosport",
     "SA",
     "saffron_logo.bmp",
     Motif::Petals,
     Yellow,
     {{"Hana Kurosaki", "saffron_kurosaki.bmp", Black},
      {"Elliot Brannagh", "saffron_brannagh.bmp", Red}}},
    {"Founders.tem",
     "Deepwater Racing",
     "DR",
     "deepwater_logo.bmp",
     Motif::Waves,
     Navy,
     {{"Anders Halvorsrud", "deepwater_halvorsrud.bmp", Yellow},
      {"Maelle Ferrand", "deepwater_ferrand.bmp", Red}}},
    // A name with a comma: the files quote it, and the game must carry it intact.
    {"Challengers.tem",
     "Ember Works, Ltd",
     "EW",
     "ember_logo.bmp",
     Motif::Diamond,
     Orange,
     {{"Dario Fontecchio", "ember_fontecchio.bmp", Black},
      {"Priya Ramaswell", "ember_ramaswell.bmp", White}}},
    {"Challengers.tem",
     "Welkin Racing",
     "WR",
     "welkin_logo.bmp",
     Motif::Star,
     Sky,
     {{"Jonas Aaltomaa", "welkin_aaltomaa.bmp", Navy},
      {"Celeste Okafor", "welkin_okafor.bmp", White}}},
    {"Challengers.tem",
     "Verdigris Motorsport",
     "VM",
     "verdigris_logo.bmp",
     Motif::Hexagon,
     Teal,
     {{"Mateo Arrieta", "verdigris_arrieta.bmp", Yellow},
      {"Ines Carvalhal", "verdigris_carvalhal.bmp", Black}}},
    {"Challengers.tem",
     "Peony Racing",
     "PR",
     "peony_logo.bmp",
     Motif::Roundel,
     Pink,
     {{"Leontine Graaf", "peony_graaf.bmp", Black}, {"Felix Oduya", "peony_oduya.bmp", Yellow}}},
    {"Challengers.tem",
     "Indigo Forge",
     "IF",
     "indigo_logo.bmp",
     Motif::Chequers,
     Royal,
     {{"Rafael Duquesne", "indigo_duquesne.bmp", White},
      {"Agnieszka Brzoza", "indigo_brzoza.bmp", Orange}}},
};

QFont boldFont(int pixelSize) {
  QFont font("DejaVu Sans");
  font.setStyleHint(QFont::SansSerif);
  font.setWeight(QFont::Black);
  font.setPixelSize(pixelSize);
  return font;
}

QPolygonF regular(QPointF centre, double radius, int corners, double turn = -90.0,
                  double innerRadius = 0.0) {
  QPolygonF p;
  const int points = innerRadius > 0 ? corners * 2 : corners;
  for (int k = 0; k < points; ++k) {
    double r = innerRadius > 0 && k % 2 ? innerRadius : radius;
    double a = qDegreesToRadians(turn + 360.0 * k / points);
    p << centre + QPointF(r * std::cos(a), r * std::sin(a));
  }
  return p;
}

// The colour the initials stand on: the motif's centre where it has one.
QColor centreColor(Motif motif, const QColor& body, const QColor& a) {
  switch (motif) {
    case Motif::Roundel:
    case Motif::Diamond:
    case Motif::Star:
    case Motif::Hexagon:
      return a;
    default:
      return body;
  }
}

void drawMotif(QPainter& p, Motif motif, const QColor& a, const QColor& b) {
  const QPointF centre(LogoWidth / 2.0, LogoHeight / 2.0);
  const QPen edge(QColor(0, 0, 0, 90), 1.0);
  p.setPen(Qt::NoPen);
  switch (motif) {
    case Motif::Stripes:
      for (int k = 0; k < 2; ++k) {
        p.setBrush(k ? b : a);
        double x = 8 + k * 16;
        p.drawPolygon(QPolygonF({QPointF(x, LogoHeight), QPointF(x + 12, LogoHeight),
                                 QPointF(x + 52, 0), QPointF(x + 40, 0)}));
      }
      break;
    case Motif::Roundel:
      p.setBrush(b);
      p.drawEllipse(centre, 29, 29);
      p.setBrush(a);
      p.drawEllipse(centre, 23, 23);
      break;
    case Motif::Chevrons:
      for (int k = 0; k < 3; ++k) {
        p.setBrush(k % 2 ? b : a);
        double x = 6 + k * 14;
        p.drawPolygon(QPolygonF({QPointF(x, 4), QPointF(x + 10, 4), QPointF(x + 30, 32),
                                 QPointF(x + 10, 60), QPointF(x, 60), QPointF(x + 20, 32)}));
      }
      break;
    case Motif::Sunburst:
      // Rays of the second colour on the team colour, around a disc of the first.
      p.setBrush(b);
      for (int k = 0; k < 8; ++k) {
        double a0 = qDegreesToRadians(45.0 * k - 9.0), a1 = qDegreesToRadians(45.0 * k + 9.0);
        p.drawPolygon(QPolygonF({centre, centre + QPointF(80 * std::cos(a0), 80 * std::sin(a0)),
                                 centre + QPointF(80 * std::cos(a1), 80 * std::sin(a1))}));
      }
      p.setBrush(a);
      p.drawEllipse(centre, 12, 12);
      break;
    case Motif::Waves:
      for (int k = 0; k < 2; ++k) {
        QPainterPath wave;
        double y = 40 + k * 10;
        wave.moveTo(0, y);
        for (int x = 0; x <= LogoWidth; x += 2) wave.lineTo(x, y + 4 * std::sin(x / 8.0 + k));
        wave.lineTo(LogoWidth, y + 6);
        for (int x = LogoWidth; x >= 0; x -= 2) wave.lineTo(x, y + 6 + 4 * std::sin(x / 8.0 + k));
        wave.closeSubpath();
        p.setBrush(k ? b : a);
        p.drawPath(wave);
      }
      break;
    case Motif::Diamond:
      p.setBrush(b);
      p.drawPolygon(regular(centre, 31, 4, -90.0));
      p.setBrush(a);
      p.drawPolygon(regular(centre, 24, 4, -90.0));
      break;
    case Motif::Star:
      p.setBrush(b);
      p.drawPolygon(regular(centre, 31, 5, -90.0, 13));
      p.setBrush(a);
      p.drawPolygon(regular(centre, 24, 5, -90.0, 10));
      break;
    case Motif::Hexagon:
      p.setBrush(b);
      p.drawPolygon(regular(centre, 30, 6, 0.0));
      p.setBrush(a);
      p.drawPolygon(regular(centre, 23, 6, 0.0));
      break;
    case Motif::Petals:
      p.setPen(edge);
      for (int k = 0; k < 6; ++k) {
        p.save();
        p.translate(centre);
        p.rotate(60.0 * k);
        p.setBrush(k % 2 ? b : a);
        p.drawEllipse(QPointF(17, 0), 14, 8);
        p.restore();
      }
      break;
    case Motif::Chequers:
      for (int band : {0, LogoHeight - 12})
        for (int x = 0; x < LogoWidth; x += 6)
          for (int y = 0; y < 12; y += 6) {
            p.setBrush(((x + y) / 6) % 2 ? a : b);
            p.drawRect(QRectF(x, band + y, 6, 6));
          }
      break;
  }
}

// The initials, outlined so that they read on any motif.
void drawLettering(QPainter& p, const QRectF& box, const QString& text, int pixelSize,
                   const QColor& fill, const QColor& outline) {
  QFont font = boldFont(pixelSize);
  QPainterPath path;
  QFontMetricsF metrics(font);
  QRectF bounds = metrics.tightBoundingRect(text);
  QPointF at(box.center().x() - bounds.width() / 2 - bounds.left(),
             box.center().y() - bounds.height() / 2 - bounds.top());
  path.addText(at, font, text);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(outline, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(path);
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawPath(path);
}

void drawFrame(QPainter& p, int width, int height, const QColor& line) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(line, 2.0));
  p.drawRect(QRectF(1, 1, width - 2, height - 2));
}

QImage logo(const TeamDesign& team) {
  QImage image(LogoWidth, LogoHeight, QImage::Format_RGB32);
  const QColor body = toQColor(team.color);
  image.fill(body);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  drawMotif(p, team.motif, toQColor(team.drivers[0].color), toQColor(team.drivers[1].color));
  const QColor ink = contrast(centreColor(team.motif, body, toQColor(team.drivers[0].color)));
  drawLettering(p, QRectF(0, 0, LogoWidth, LogoHeight), QString::fromUtf8(team.initials), 30, ink,
                isDark(ink) ? QColor(250, 250, 250) : QColor(15, 15, 15));
  drawFrame(p, LogoWidth, LogoHeight, isDark(body) ? QColor(235, 235, 235) : QColor(30, 30, 30));
  return image;
}

// A helmet seen from the side, facing right, over the shoulders of a race suit.
void drawHelmet(QPainter& p, const QColor& shell, const QColor& stripe, const QColor& suit,
                const QColor& trim) {
  const QPen outline(QColor(25, 25, 25), 1.5);
  // Shoulders.
  p.setPen(outline);
  p.setBrush(suit);
  QPainterPath shoulders;
  shoulders.moveTo(2, 64);
  shoulders.cubicTo(4, 50, 16, 47, 32, 47);
  shoulders.cubicTo(48, 47, 60, 50, 62, 64);
  shoulders.closeSubpath();
  p.drawPath(shoulders);
  p.setBrush(trim);
  p.drawRect(QRectF(26, 47, 12, 17));

  // Shell: a rounded dome with the chin guard reaching forward.
  QPainterPath helmet;
  helmet.moveTo(12, 44);
  helmet.cubicTo(6, 30, 10, 9, 30, 7);
  helmet.cubicTo(46, 5, 56, 16, 56, 30);
  helmet.lineTo(57, 41);
  helmet.cubicTo(54, 47, 44, 49, 34, 48);
  helmet.cubicTo(24, 48, 16, 48, 12, 44);
  helmet.closeSubpath();
  QLinearGradient shine(QPointF(14, 8), QPointF(50, 48));
  shine.setColorAt(0.0, shell.lighter(135));
  shine.setColorAt(0.5, shell);
  shine.setColorAt(1.0, shell.darker(130));
  p.setBrush(shine);
  p.drawPath(helmet);

  // The team's stripe across the crown, kept inside the shell.
  p.save();
  p.setClipPath(helmet);
  p.setPen(Qt::NoPen);
  p.setBrush(stripe);
  QPainterPath band;
  band.moveTo(4, 24);
  band.cubicTo(20, 14, 40, 10, 60, 14);
  band.lineTo(60, 20);
  band.cubicTo(40, 16, 20, 20, 4, 31);
  band.closeSubpath();
  p.drawPath(band);
  p.restore();
  p.setBrush(Qt::NoBrush);
  p.setPen(outline);
  p.drawPath(helmet);

  // Visor: dark and tinted, with a highlight.
  QPainterPath visor;
  visor.moveTo(30, 22);
  visor.cubicTo(40, 19, 52, 20, 57, 24);
  visor.lineTo(57, 33);
  visor.cubicTo(50, 35, 38, 35, 31, 33);
  visor.cubicTo(28, 30, 28, 25, 30, 22);
  visor.closeSubpath();
  QLinearGradient tint(QPointF(30, 20), QPointF(57, 34));
  tint.setColorAt(0.0, QColor(40, 50, 70));
  tint.setColorAt(1.0, QColor(10, 12, 20));
  p.setBrush(tint);
  p.drawPath(visor);
  p.setPen(QPen(QColor(255, 255, 255, 150), 1.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(36, 24), QPointF(48, 23));
  // Vent on the chin guard.
  p.setPen(QPen(QColor(25, 25, 25), 1.0));
  for (int k = 0; k < 3; ++k) p.drawLine(QPointF(47 + 3 * k, 39), QPointF(46 + 3 * k, 44));
}

void fillBackdrop(QPainter& p, int width, int height) {
  QLinearGradient sky(QPointF(0, 0), QPointF(0, height));
  sky.setColorAt(0.0, QColor(214, 222, 232));
  sky.setColorAt(1.0, QColor(150, 160, 176));
  p.fillRect(QRectF(0, 0, width, height), sky);
}

QImage portrait(const TeamDesign& team, const DriverDesign& driver) {
  QImage image(PortraitSize, PortraitSize, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  fillBackdrop(p, PortraitSize, PortraitSize);
  const QColor teamColor = toQColor(team.color);
  const QColor own = toQColor(driver.color);
  drawHelmet(p, own, teamColor, teamColor, own);
  drawFrame(p, PortraitSize, PortraitSize, QColor(60, 60, 60));
  return image;
}

// Placeholders: plain grey with a question mark, clearly "no picture" next to real ones.
QImage placeholderLogo() {
  QImage image(LogoWidth, LogoHeight, QImage::Format_RGB32);
  image.fill(QColor(200, 200, 200));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(185, 185, 185), 4.0));
  for (int x = -LogoHeight; x < LogoWidth; x += 12) p.drawLine(x, LogoHeight, x + LogoHeight, 0);
  drawLettering(p, QRectF(0, 0, LogoWidth, LogoHeight), "?", 40, QColor(120, 120, 120),
                QColor(235, 235, 235));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(120, 120, 120), 2.0, Qt::DashLine));
  p.drawRect(QRectF(1, 1, LogoWidth - 2, LogoHeight - 2));
  return image;
}

QImage placeholderPortrait() {
  QImage image(PortraitSize, PortraitSize, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  image.fill(QColor(200, 200, 200));
  drawHelmet(p, QColor(165, 165, 165), QColor(140, 140, 140), QColor(150, 150, 150),
             QColor(175, 175, 175));
  drawLettering(p, QRectF(10, 6, 30, 26), "?", 22, QColor(245, 245, 245), QColor(110, 110, 110));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(120, 120, 120), 2.0, Qt::DashLine));
  p.drawRect(QRectF(1, 1, PortraitSize - 2, PortraitSize - 2));
  return image;
}

bool save(const QImage& image, const std::filesystem::path& file) {
  if (!image.save(QString::fromStdString(file.string()), "BMP")) {
    std::fprintf(stderr, "cannot write %s\n", file.string().c_str());
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s TEAMS_FOLDER\n", argv[0]);
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const std::filesystem::path folder = argv[1];
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);

  bool ok = save(placeholderLogo(), folder / std::string(tarmaq::PlaceholderTeamPicture));
  ok = save(placeholderPortrait(), folder / std::string(tarmaq::PlaceholderDriverPicture)) && ok;

  std::vector<std::pair<std::string, std::string>> files;  // file name, contents
  for (const TeamDesign& design : Teams) {
    ok = save(logo(design), folder / design.logo) && ok;
    tarmaq::Team team;
    team.name = design.name;
    team.picture = design.logo;
    team.color = design.color;
    for (int d = 0; d < 2; ++d) {
      const DriverDesign& driver = design.drivers[d];
      ok = save(portrait(design, driver), folder / driver.picture) && ok;
      team.drivers[static_cast<std::size_t>(d)] = {driver.name, driver.picture, driver.color};
    }
    auto it = files.begin();
    while (it != files.end() && it->first != design.file) ++it;
    if (it == files.end()) it = files.insert(files.end(), {design.file, ""});
    it->second += tarmaq::formatTeam(team);
  }
  for (const auto& [name, text] : files) {
    std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (!out) {
      std::fprintf(stderr, "cannot write %s\n", (folder / name).string().c_str());
      ok = false;
    }
  }
  return ok ? 0 : 1;
}
