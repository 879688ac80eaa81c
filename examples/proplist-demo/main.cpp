// Shows a filled property list and reports its events in the window's status line.
// Run with --grab FILE to save a picture of the window with a row selected and the list scrolled.

#include "PropertyList.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

namespace {

struct DemoRow
{
    EPropItemType kind;
    const char *caption;
    const char *value;
};

// Captions and values as a host would show them; tags are the row numbers plus 100.
constexpr DemoRow kRows[] = {
    {E_ITEM_TEXT, "Nom", "Rapport annuel"},
    {E_ITEM_TEXT, "Titre", "Résultats de l'exercice 2024"},
    {E_ITEM_TEXT, "Auteur", "Service communication"},
    {E_ITEM_MORE, "Fichier", "/home/partage/rapports/annuel-2024.htm"},
    {E_ITEM_FIXED, "Taille", "48 Ko"},
    {E_ITEM_FIXED, "Créé le", "12/03/2024"},
    {E_ITEM_FIXED, "Modifié le", "28/11/2024"},
    {E_ITEM_TEXT, "Langue", "fr"},
    {E_ITEM_MORE, "Couleur du fond", "Blanc"},
    {E_ITEM_MORE, "Police", "Sans Serif, 9 pt"},
    {E_ITEM_TEXT, "Mots clés", "rapport, bilan, chiffres clés, perspectives"},
    {E_ITEM_FIXED, "Encodage", "UTF-8"},
    {E_ITEM_TEXT, "Commentaire", "Version relue par la direction"},
    {E_ITEM_NONE, "Réservé", ""},
};

void fill(PropertyList &list)
{
    qint32 tag = 100;
    for (const DemoRow &row : kRows)
        list.AddItem(row.kind, tag++, QString::fromUtf8(row.caption), QString::fromUtf8(row.value),
                     false);
    list.SelectItem(0);
}

void reportEvents(PropertyList &list, QLabel &status)
{
    QObject::connect(&list, &PropertyList::MoreItemClick, &status, [&status](qint32 tag) {
        status.setText(QStringLiteral("MoreItemClick : élément %1").arg(tag));
    });
    QObject::connect(
        &list, &PropertyList::TextItemChanged, &status,
        [&status](qint32 tag, const QString &value, bool *) {
            status.setText(
                QStringLiteral("TextItemChanged : élément %1 = « %2 »").arg(tag).arg(value));
        });
}

// Scrolls two rows down and selects a text row, the state the saved picture shows.
void grabLater(QWidget &window, PropertyList &list, const QString &path)
{
    QTimer::singleShot(200, &window, [&window, &list, path] {
        list.SelectItem(13);
        list.SelectItem(7);
        window.grab().save(path);
        QApplication::quit();
    });
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({QStringLiteral("grab"), QStringLiteral("Save a picture to <file>."),
                      QStringLiteral("file")});
    parser.process(app);

    QWidget window;
    window.setWindowTitle(QStringLiteral("NorvixProps3 — liste de propriétés"));
    auto *layout = new QVBoxLayout(&window);
    auto *list = new PropertyList(&window);
    auto *status =
        new QLabel(QStringLiteral("Sélectionnez une ligne, tapez ou appuyez sur Entrée."));
    layout->addWidget(list);
    layout->addWidget(status);
    fill(*list);
    reportEvents(*list, *status);
    window.resize(340, 260);
    window.show();
    if (parser.isSet(QStringLiteral("grab")))
        grabLater(window, *list, parser.value(QStringLiteral("grab")));
    return app.exec();
}
