#include "EditFixture.h"

#include "document/TreeKeys.h"

namespace areamaker {
namespace {

class PropertyFormsTest : public testing::EditFixture
{
protected:
    // The zone dialog on zone `index`, with `user` working in it.
    void zoneDialog(int index, std::function<void(ZonePropertiesForm &)> user)
    {
        select(index);
        dialogs.zoneUser = std::move(user);
        properties.showZoneDialog();
    }

    // The map dialog on the active map; `user` works in it with a preview attached.
    void mapDialog(std::function<void(MapPropertiesForm &)> user)
    {
        dialogs.mapUser = [this, user](MapPropertiesForm &form) {
            form.attachPreview(preview, {150, 120});
            user(form);
        };
        properties.showMapDialog();
    }

    // Types the text into the box one character at a time, as a user does.
    static std::vector<FieldUpdate> type(LinkFieldsForm &form, int field, const std::string &text)
    {
        std::vector<FieldUpdate> last;
        std::string typed = form.field(field);
        for (const char c : text) {
            typed += c;
            last = form.edited(field, typed, static_cast<int>(typed.size()));
            if (!last.empty() && last.back().field == field)
                typed = last.back().text;
        }
        return last;
    }

    testing::FakePreview preview;
};

TEST_F(PropertyFormsTest, OkWritesWhatWasTypedAndBringsTheViewsUpToDate)
{
    profile.values[{"Usager", "EMAIL"}] = "moi@exemple.fr";
    const int redraws = surfaces.timerStarts;
    zoneDialog(0, [](ZonePropertiesForm &form) {
        EXPECT_EQ(form.field(AttrHref), "salle.htm");
        EXPECT_EQ(form.field(AttrAlt), "Salle");
        form.edited(AttrHref, "", 0);
        EXPECT_EQ(type(form, AttrHref, "mail").back(),
                  (FieldUpdate{AttrHref, "mailto:moi@exemple.fr", 7, 14}));
        form.edited(AttrTarget, "_top", 4);
        form.OK();
    });
    const Zone &zone = document.ActiveZones[0];
    EXPECT_EQ(zone.GetData(AttrHref), "mailto:moi@exemple.fr");
    EXPECT_EQ(zone.GetData(AttrTarget), "_top");
    EXPECT_EQ(zone.GetData(AttrAlt), "Salle");
    EXPECT_EQ(views.node(zoneKey(0, 0))->text, "Rectangle (mailto:moi@exemple.fr)");
    EXPECT_EQ(views.gridFills.back(), GridFill::Selection);
    EXPECT_TRUE(document.Maps[0].Modified);
    EXPECT_TRUE(document.DocumentModified);
    EXPECT_EQ(views.status, "Prêt");
    EXPECT_EQ(surfaces.timerStarts, redraws + 1);
}

TEST_F(PropertyFormsTest, OkWithoutChangesAndCancelLeaveTheDocumentAlone)
{
    zoneDialog(1, [](ZonePropertiesForm &form) { form.OK(); });
    zoneDialog(1, [](ZonePropertiesForm &form) { form.edited(AttrHref, "ailleurs.htm", 12); });
    EXPECT_EQ(document.ActiveZones[1].GetData(AttrHref), "puits.htm");
    EXPECT_FALSE(document.Maps[0].Modified);
    EXPECT_FALSE(document.DocumentModified);
}

TEST_F(PropertyFormsTest, ValuesAreStoredInThePagesEncodingAndUnchangedOnesKeepTheirBytes)
{
    document.Encoding = PageEncoding(PageEncoding::Kind::Windows1252);
    document.ActiveZones[0].SetData(AttrTitle, "caf&#233;");
    zoneDialog(0, [](ZonePropertiesForm &form) {
        EXPECT_EQ(form.field(AttrTitle), "caf&#233;");
        form.edited(AttrAlt, "Entrée \"ouest\" ☺", 16);
        form.OK();
    });
    EXPECT_EQ(document.ActiveZones[0].GetData(AttrAlt), "Entr\xE9"
                                                        "e \"ouest\" &#9786;");
    EXPECT_EQ(document.ActiveZones[0].GetData(AttrTitle), "caf&#233;");
}

TEST_F(PropertyFormsTest, TheHyperlinkCompletesOnceUntilTheOtherCompletionIsMade)
{
    zoneDialog(0, [](ZonePropertiesForm &form) {
        EXPECT_EQ(form.edited(AttrHref, "htt", 3),
                  (std::vector<FieldUpdate>{{AttrHref, "http://www.", 11, 0}}));
        EXPECT_TRUE(form.edited(AttrHref, "htt", 3).empty());
        EXPECT_EQ(form.edited(AttrHref, "mail", 4).back().text,
                  std::string("mailto:") + DialogTextRules::PlaceholderEmail);
        EXPECT_EQ(form.edited(AttrHref, "htt", 3).back().text, "http://www.");
        EXPECT_TRUE(form.modified());
    });
}

TEST_F(PropertyFormsTest, TheTitleFollowsTheAlternativeTextUntilItDiffers)
{
    document.ActiveZones[1].SetData(AttrTitle, "");
    zoneDialog(1, [](ZonePropertiesForm &form) {
        EXPECT_EQ(type(form, AttrAlt, "Pu"), (std::vector<FieldUpdate>{{AttrTitle, "Pu"}}));
        EXPECT_EQ(form.field(AttrTitle), "Pu");
        form.edited(AttrTitle, "Le puits", 8);
        EXPECT_TRUE(type(form, AttrAlt, "i").empty());
        EXPECT_EQ(form.field(AttrTitle), "Le puits");
    });
}

TEST_F(PropertyFormsTest, AQuoteWithoutBackslashInAScriptIsPointedOutAtEachChange)
{
    views.answers.assign(2, MessageAnswer::Ok);
    zoneDialog(0, [this](ZonePropertiesForm &form) {
        EXPECT_TRUE(form.edited(AttrOnClick, "alert(\\\"a\\\")", 12).empty());
        EXPECT_TRUE(views.messages.empty());
        EXPECT_EQ(form.edited(AttrOnMouseOver, "alert(\"", 7),
                  (std::vector<FieldUpdate>{{AttrOnMouseOver, "alert(\"", 6, 1}}));
        form.edited(AttrOnMouseOver, "alert(\"x", 8);
        ASSERT_EQ(views.messages.size(), 2u);
        EXPECT_EQ(views.messages[0].title, "Norvique");
        EXPECT_EQ(views.messages[0].icon, MessageIcon::Information);
        EXPECT_EQ(form.edited(AttrOnMouseOut, "jav", 3),
                  (std::vector<FieldUpdate>{{AttrOnMouseOut, "javascript:function()", 11, 10}}));
        form.OK();
    });
    // What was typed is kept and saved, warning or not.
    EXPECT_EQ(document.ActiveZones[0].GetData(AttrOnMouseOver), "alert(\"x");
    EXPECT_TRUE(document.Maps[0].Modified);
}

TEST_F(PropertyFormsTest, TheGeometryPaneShowsEachShapesValues)
{
    document.ActiveZones[1].AddXCoord(10, 0);
    document.ActiveZones[1].AddYCoord(10, 0);
    document.ActiveZones[1].AddXCoord(21, 1);
    document.ActiveZones[1].AddYCoord(30, 1);
    for (int i = 3; i < 5; ++i) {
        document.ActiveZones[2].AddXCoord(20 * i, i);
        document.ActiveZones[2].AddYCoord(7 * i, i);
    }
    using Values = std::vector<GeometryValue>;
    zoneDialog(0, [](ZonePropertiesForm &form) {
        EXPECT_EQ(form.geometry(), (Values{{"X:", "10", "Coordonnées"},
                                           {"Y:", "20", "Coordonnées"},
                                           {"Largeur:", "100", "Dimensions"},
                                           {"Hauteur:", "60", "Dimensions"}}));
    });
    zoneDialog(1, [](ZonePropertiesForm &form) {
        EXPECT_EQ(form.caption(), "Propriétés de la région Cercle");
        EXPECT_EQ(form.geometry(), (Values{{"X:", "16", "Coordonnées du centre"},
                                           {"Y:", "20", "Coordonnées du centre"},
                                           {"Rayon:", "6", "Rayon"}}));
    });
    zoneDialog(2, [](ZonePropertiesForm &form) {
        EXPECT_EQ(form.pointCount(), 5);
        EXPECT_EQ(form.geometry(0), (Values{{"Points:", "5", "Nombre de points"},
                                            {"X:", "10", "Coordonnées du point 1"},
                                            {"Y:", "150", "Coordonnées du point 1"}}));
        EXPECT_EQ(form.geometry(1)[1], (GeometryValue{"X:", "60", "Coordonnées du point 2"}));
    });
}

TEST_F(PropertyFormsTest, TheMapDialogRefusesBadNamesAndPicturesInOrder)
{
    struct Case
    {
        std::string name;
        std::string path;
        const char *message; // nullptr: accepted
        int focus;
    };
    document.Maps[1].NameAsRead = "ancien";
    document.Maps[1].Name = "village";
    const Case cases[] = {
        {"", "absent.gif", "Le nom de l'image map est invalide.", FieldName},
        {"village", "absent.gif", "Le chemin d'accès à l'image est invalide.", FieldImagePath},
        {"plan", "", "Le chemin d'accès à l'image est invalide.", FieldImagePath},
        {"village", "plan.gif", "Ce nom d'image map est déjà utilisé dans le document.", FieldName},
        {"ancien", "plan.gif", "Ce nom d'image map est déjà utilisé dans le document.", FieldName},
        {"plan", "plan.gif", nullptr, FieldName},
    };
    for (const Case &c : cases) {
        views.messages.clear();
        views.answers = {MessageAnswer::Ok};
        mapDialog([&](MapPropertiesForm &form) {
            EXPECT_EQ(form.field(FieldImagePath), "plan.gif");
            form.edited(FieldName, c.name, 0);
            form.edited(FieldImagePath, c.path, 0);
            const MapPropertiesForm::Outcome outcome = form.OK();
            EXPECT_EQ(outcome.accepted, c.message == nullptr) << c.name << " " << c.path;
            EXPECT_EQ(outcome.focus, c.focus) << c.name << " " << c.path;
        });
        if (c.message) {
            ASSERT_EQ(views.messages.size(), 1u);
            EXPECT_EQ(views.messages[0].text, c.message);
            EXPECT_EQ(views.messages[0].title, "Erreur");
        } else {
            EXPECT_TRUE(views.messages.empty());
        }
    }
    EXPECT_EQ(document.Maps[0].Name, "plan");
}

TEST_F(PropertyFormsTest, TheMapDialogRenamesMovesToANewPictureAndSetsTheDefaultRegion)
{
    files.put("/site/grand.png", std::string(2048, 'x'));
    images.sizes["/site/grand.png"] = {160, 100};
    preview.pictures["/site/grand.png"] = {160, 100};
    surfaces.loadedSize = {160, 100};
    mapDialog([this](MapPropertiesForm &form) {
        EXPECT_EQ(form.caption(), "Propriétés générales de l'image map plan");
        form.edited(FieldName, "étage", 5);
        form.edited(FieldImagePath, "grand.png", 9);
        EXPECT_TRUE(form.imageShown());
        EXPECT_EQ(form.pixelText(), "160 x 100 pixels");
        EXPECT_EQ(form.sizeText(), "Image 2 Ko");
        EXPECT_EQ(preview.shownBox, (PreviewBox{0, 13, 150, 94}));
        EXPECT_EQ(type(form, AttrHref, "ft").back(), (FieldUpdate{AttrHref, "ftp://ftp.", 2, 8}));
        EXPECT_TRUE(form.OK().accepted);
    });
    const ImageMap &map = document.Maps[0];
    EXPECT_EQ(map.Name, "étage");
    EXPECT_EQ(map.ImagePath, "/site/grand.png");
    EXPECT_EQ(map.ImageWidth, 160);
    EXPECT_EQ(map.DefaultRegion[AttrHref], "ftp://ftp.");
    EXPECT_EQ(views.node(mapKey(0))->text, "étage (grand.png)");
    EXPECT_EQ(views.node(defaultRegionKey(0))->text, "Défaut (ftp://ftp.)");
    // The zones were kept inside the smaller picture, whole.
    EXPECT_EQ(points(1), (std::vector<Point>{{120, 20}, {160, 60}}));
    EXPECT_EQ(canvas.state().CanvasMode, Idle);
    EXPECT_TRUE(map.Modified);

    mapDialog([](MapPropertiesForm &form) {
        form.edited(AttrHref, "", 0);
        EXPECT_TRUE(form.OK().accepted);
    });
    EXPECT_EQ(views.node(defaultRegionKey(0)), nullptr);
    EXPECT_FALSE(document.Maps[0].hasDefaultRegion());
}

TEST_F(PropertyFormsTest, APictureThatCannotBeLoadedLeavesTheZonesAndLeavesTheMapWithoutOne)
{
    files.put("/site/abime.gif", "GIF89a");
    preview.pictures["/site/abime.gif"] = {40, 40};
    surfaces.loads = false;
    views.answers = {MessageAnswer::Ok};
    const std::vector<Point> before = points(0);
    const int width = document.Maps[0].ImageWidth;
    mapDialog([](MapPropertiesForm &form) {
        form.edited(FieldImagePath, "abime.gif", 9);
        EXPECT_TRUE(form.OK().accepted);
    });
    ASSERT_EQ(views.messages.size(), 1u);
    EXPECT_EQ(views.messages[0].title, "[Erreur : 481]");
    EXPECT_EQ(views.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(views.messages[0].text, "'/site/abime.gif'\n\nLe format de l'image sélectionnée "
                                      "est invalide ou le fichier est endommagé.");
    EXPECT_EQ(document.Maps[0].ImagePath, NoImage);
    EXPECT_EQ(document.Maps[0].ImageWidth, width);
    EXPECT_EQ(points(0), before);
}

TEST_F(PropertyFormsTest, ThePreviewFailsForMissingAndUnreadablePictures)
{
    files.put("/site/texte.gif", "pas une image");
    mapDialog([this](MapPropertiesForm &form) {
        for (const char *path : {"", "absent.gif", "texte.gif"}) {
            form.edited(FieldImagePath, path, 0);
            EXPECT_FALSE(form.imageShown()) << path;
            EXPECT_FALSE(preview.shownBox) << path;
            EXPECT_EQ(form.sizeText(), "") << path;
        }
    });
}

TEST_F(PropertyFormsTest, ChoosersFillTheBoxesWithPathsRelativeToThePage)
{
    views.chosenFiles = {"/site/pages/salon.htm", "/site/village.gif", ""};
    mapDialog([](MapPropertiesForm &form) {
        EXPECT_EQ(form.chooseHyperlink(), (FieldUpdate{AttrHref, "pages/salon.htm"}));
        EXPECT_EQ(form.chooseImage(), (FieldUpdate{FieldImagePath, "village.gif"}));
        EXPECT_FALSE(form.chooseImage());
    });
    ASSERT_EQ(views.dialogs.size(), 3u);
    EXPECT_EQ(views.dialogs[0].title, "Spécification d'un hyperlien");
    EXPECT_EQ(views.dialogs[1].title, "Choisir une image");
    EXPECT_EQ(views.dialogs[1].initialFolder, "/site/");
    for (const char *format : {"*.gif", "*.jpg", "*.png", "*.bmp", "*.webp"})
        EXPECT_NE(views.dialogs[1].filter.find(format), std::string::npos) << format;
}

} // namespace
} // namespace areamaker
