#include "SidePaneFixture.h"

#include "document/TreeKeys.h"

namespace areamaker {
namespace {

class PropertyGridBindingTest : public testing::SidePaneFixture
{
protected:
    void select(int zone)
    {
        if (zone == -1) {
            canvas.clearSelection();
            canvas.setCanvasMode(Idle);
        } else {
            canvas.selectZone(zone);
        }
    }

    // The grid's rows as "tag title=value", kinds aside.
    std::vector<std::string> shownRows(GridFill mode) const
    {
        std::vector<std::string> result;
        for (const GridRow &row : grid.rows(mode))
            result.push_back(std::to_string(row.tag) + " " + row.title + "=" + row.value);
        return result;
    }
};

TEST_F(PropertyGridBindingTest, RowsOfTheMapAndOfEachShapeInTheirOrder)
{
    struct Case
    {
        int zone;
        std::vector<std::string> rows;
    };
    const Case cases[] = {
        {-1,
         {"13 (Nom)=plan", "14 (Propriétés)=", "15 Cadre=", "16 Image=plan.gif", "19 Texte Alt=",
          "17 Titre=", "18 URL Défaut="}},
        {0,
         {"1 (Propriétés)=", "2 (Type)=Rectangle", "3 Cadre=", "7 Gauche=10", "8 Haut=20",
          "10 Hauteur=60", "4 Hyperlien=salle.htm", "9 Largeur=100", "5 Texte Alt=Salle",
          "6 Titre="}},
        {1,
         {"1 (Propriétés)=", "2 (Type)=Cercle", "3 Cadre=", "11 Centre (x,y)=180,40",
          "4 Hyperlien=puits.htm", "12 Rayon=20", "5 Texte Alt=", "6 Titre="}},
        {2,
         {"1 (Propriétés)=", "2 (Type)=Polygone", "3 Cadre=", "4 Hyperlien=", "30 Point 1=10,150",
          "31 Point 2=60,100", "32 Point 3=110,150", "5 Texte Alt=", "6 Titre="}},
    };
    for (const Case &c : cases) {
        select(c.zone);
        EXPECT_EQ(shownRows(GridFill::Selection), c.rows) << "zone " << c.zone;
    }
    EXPECT_TRUE(grid.rows(GridFill::Empty).empty());
    EXPECT_EQ(grid.rows(GridFill::Selection)[1].kind, GridRowKind::Fixed);
}

TEST_F(PropertyGridBindingTest, TracingRowsNameTheShapeBeingTraced)
{
    editor.BeginTrace(ShapeCircle);
    EXPECT_EQ(shownRows(GridFill::Tracing),
              (std::vector<std::string>{"2 (Mode)=Traçage cercle", "20 Curseur=0,0"}));
    canvas.state().TraceShape = ShapeNone;
    EXPECT_EQ(shownRows(GridFill::Tracing), std::vector<std::string>{"20 Curseur=0,0"});
}

TEST_F(PropertyGridBindingTest, CoordinateEditsAreValidatedAndKeptInsideThePicture)
{
    const char *noPosition = "La position spécifiée n'est pas valide.";
    const char *noPoint = "Les coordonnées spécifiées en X,Y ne sont pas valides.";
    const char *noValue = "La valeur spécifiée n'est pas valide.";
    struct Case
    {
        int zone;
        int tag;
        std::string text;
        std::vector<Point> points; // the zone afterwards
        bool cancel;               // the grid shows the stored value, not the text
        std::string message;
    };
    const Case cases[] = {
        {0, TagLeft, "250", {{200, 20}, {300, 80}}, true, ""},
        {0, TagLeft, "-5", {{0, 20}, {100, 80}}, true, ""},
        {0, TagLeft, " 40 ", {{40, 20}, {140, 80}}, true, ""},
        {0, TagLeft, "50", {{50, 20}, {150, 80}}, false, ""},
        {0, TagTop, "abc", {{10, 20}, {110, 80}}, true, noPosition},
        {0, TagTop, "99999999999", {{10, 20}, {110, 80}}, true, noPosition},
        {0, TagWidth, "-40", {{10, 20}, {50, 80}}, true, ""},
        {0, TagWidth, "1000", {{10, 20}, {300, 80}}, true, ""},
        {0, TagHeight, "30", {{10, 20}, {110, 50}}, false, ""},
        {0, TagHeight, "", {{10, 20}, {110, 80}}, true, noValue},
        {1, TagCentre, "5,5", {{0, 0}, {40, 40}}, true, ""},
        {1, TagCentre, "100,290", {{80, 160}, {120, 200}}, true, ""},
        {1, TagCentre, "100", {{160, 20}, {200, 60}}, true, noPoint},
        {1, TagRadius, "-10", {{170, 30}, {190, 50}}, true, ""},
        {1, TagRadius, "500", {{140, 0}, {220, 80}}, true, ""},
        {1, TagRadius, "x", {{160, 20}, {200, 60}}, true, noValue},
        {2, TagFirstPoint + 2, "10;20", {{10, 150}, {60, 100}, {110, 150}}, true, noPoint},
        {2, TagFirstPoint + 2, "400,-3", {{10, 150}, {60, 100}, {300, 0}}, true, ""},
        {2, TagFirstPoint + 1, "70, 90", {{10, 150}, {70, 90}, {110, 150}}, true, ""},
        {2, TagFirstPoint + 3, "1,1", {{10, 150}, {60, 100}, {110, 150}}, true, ""},
    };
    for (const Case &c : cases) {
        SetUp();
        views.messages.clear();
        views.answers = {MessageAnswer::Ok};
        select(c.zone);
        bool cancel = false;
        grid.TextItemChanged(c.tag, c.text, cancel);
        const std::string label = std::to_string(c.tag) + " '" + c.text + "'";
        EXPECT_EQ(points(c.zone), c.points) << label;
        EXPECT_EQ(cancel, c.cancel) << label;
        EXPECT_EQ(views.messages.empty() ? "" : views.messages[0].text, c.message) << label;
        // Accepted or not, an edit of the grid marks the map and the document modified.
        EXPECT_TRUE(document.Maps[0].Modified && document.DocumentModified) << label;
    }
}

TEST_F(PropertyGridBindingTest, AnAcceptedCoordinateRewritesTheOtherRowsOfItsGroup)
{
    select(0);
    bool cancel = false;
    grid.TextItemChanged(TagWidth, "1000", cancel);
    EXPECT_EQ(views.rows[TagWidth], "290");
    EXPECT_EQ(views.rows[TagHeight], "60");
    EXPECT_EQ(canvas.state().HandleCount, 4);
    // The handle's box around the top-right corner, now at (300, 20).
    EXPECT_EQ(canvas.state().Handles[1].point(0), (Point{297, 17}));
}

TEST_F(PropertyGridBindingTest, MapNamesMustDifferFromEveryOtherNameOldOrNew)
{
    document.Maps[1].Name = "hameau";
    struct Case
    {
        std::string name;
        bool accepted;
    };
    const Case cases[] = {{"village", false}, {"hameau", false}, {"Village", true}, {"", true},
                          {"plan", true}};
    for (const Case &c : cases) {
        views.messages.clear();
        views.answers = {MessageAnswer::Ok};
        bool cancel = false;
        grid.TextItemChanged(TagMapName, c.name, cancel);
        EXPECT_EQ(cancel, !c.accepted) << c.name;
        EXPECT_EQ(document.Maps[0].Name == c.name, c.accepted) << c.name;
        ASSERT_EQ(views.messages.size(), c.accepted ? 0U : 1U) << c.name;
        if (!c.accepted)
            EXPECT_EQ(views.messages[0].text, "Ce nom d'image map est déjà utilisé dans le document.");
        else
            EXPECT_EQ(views.node(mapKey(0))->text, c.name + " (plan.gif)");
    }
}

TEST_F(PropertyGridBindingTest, MapTextRowsSetTheDefaultRegionAndMarkTheMap)
{
    bool cancel = false;
    grid.TextItemChanged(TagMapTarget, "_blank", cancel);
    grid.TextItemChanged(TagMapTitle, "Le plan", cancel);
    grid.TextItemChanged(TagMapAlt, "Plan", cancel);
    const AreaAttributes &region = document.Maps[0].DefaultRegion;
    EXPECT_EQ(region[AttrTarget], "_blank");
    EXPECT_EQ(region[AttrTitle], "Le plan");
    EXPECT_EQ(region[AttrAlt], "Plan");
    EXPECT_FALSE(cancel);
    EXPECT_TRUE(document.Maps[0].Modified);
    EXPECT_FALSE(document.Maps[1].Modified);
}

TEST_F(PropertyGridBindingTest, TypedTextIsStoredInThePageEncoding)
{
    document.Encoding = PageEncoding(PageEncoding::Kind::Windows1252);
    select(0);
    bool cancel = false;
    grid.TextItemChanged(TagTitle, "Été €", cancel);
    EXPECT_EQ(document.ActiveZones[0].GetData(AttrTitle), "\xC9t\xE9 \x80");
    EXPECT_EQ(shownRows(GridFill::Selection).back(), "6 Titre=Été €");

    select(-1);
    grid.TextItemChanged(TagMapName, "Étage", cancel);
    EXPECT_EQ(document.Maps[0].Name, "\xC9tage");
    EXPECT_EQ(views.node(mapKey(0))->text, "Étage (plan.gif)");
    EXPECT_EQ(shownRows(GridFill::Selection).front(), "13 (Nom)=Étage");
}

TEST_F(PropertyGridBindingTest, HyperlinksAreChosenRelativeToThePage)
{
    views.chosenFiles = {"/site/pages/salle.htm", "", "/site/index.htm"};
    select(1);
    grid.MoreItemClick(TagHref);
    ASSERT_EQ(views.dialogs.size(), 1U);
    EXPECT_EQ(views.dialogs[0].filter, "Pages web  (*.htm; *.html)|*.htm;*.html|Images  (*.gif; "
                                       "*.jpg)|*.gif;*.jpg|Tous  (*.*)|*.*|");
    EXPECT_EQ(views.dialogs[0].title, "Spécification d'un hyperlien");
    EXPECT_EQ(views.dialogs[0].initialFolder, "/site/");
    EXPECT_EQ(document.ActiveZones[1].GetData(AttrHref), "pages/salle.htm");
    EXPECT_EQ(views.rows[TagHref], "pages/salle.htm");
    EXPECT_EQ(views.node(zoneKey(0, 1))->text, "Cercle (pages/salle.htm)");
    EXPECT_TRUE(document.Maps[0].Modified);

    // Cancelled, then for the map: its default region gets a node at the end.
    select(-1);
    document.Maps[0].Modified = false;
    grid.MoreItemClick(TagDefaultHref);
    EXPECT_FALSE(document.Maps[0].Modified);
    grid.MoreItemClick(TagDefaultHref);
    EXPECT_EQ(document.Maps[0].DefaultRegion[AttrHref], "index.htm");
    EXPECT_EQ(views.nodes.back().key, defaultRegionKey(0));
    EXPECT_EQ(views.nodes.back().text, "Défaut (index.htm)");
}

TEST_F(PropertyGridBindingTest, AnotherPictureKeepsTheZonesInsideOrIsRefusedWhenUnreadable)
{
    views.chosenFiles = {"/site/broken.gif", "/site/small.gif"};
    surfaces.loads = false;
    views.answers = {MessageAnswer::Ok};
    grid.MoreItemClick(TagMapImage);
    ASSERT_EQ(views.messages.size(), 1U);
    EXPECT_EQ(views.messages[0].text, "'/SITE/BROKEN.GIF'\n\nLe format de l'image sélectionnée est "
                                      "invalide ou le fichier est endommagé.");
    EXPECT_EQ(document.Maps[0].ImagePath, "/site/plan.gif");
    EXPECT_FALSE(document.Maps[0].Modified);

    surfaces.loads = true;
    surfaces.loadedSize = {100, 60};
    grid.MoreItemClick(TagMapImage);
    EXPECT_EQ(views.dialogs.back().title, "Choisir une image");
    EXPECT_EQ(document.Maps[0].ImagePath, "/site/small.gif");
    EXPECT_EQ(document.Maps[0].ImageWidth, 100);
    EXPECT_EQ(views.rows[TagMapImage], "small.gif");
    EXPECT_EQ(views.node(mapKey(0))->text, "plan (small.gif)");
    EXPECT_EQ(points(0), (std::vector<Point>{{0, 0}, {100, 60}}));
    EXPECT_EQ(points(1), (std::vector<Point>{{60, 20}, {100, 60}}));
    EXPECT_TRUE(document.Maps[0].Modified);
}

TEST_F(PropertyGridBindingTest, EditsApplyOnlyInTheStateTheirRowsBelongTo)
{
    editor.BeginTrace(ShapeRectangle);
    bool cancel = false;
    grid.TextItemChanged(TagMapName, "autre", cancel);
    grid.MoreItemClick(TagDefaultHref);
    EXPECT_EQ(document.Maps[0].Name, "plan");
    EXPECT_TRUE(views.dialogs.empty());
    EXPECT_FALSE(document.DocumentModified);
}

} // namespace
} // namespace areamaker
