#include "ProgramRun.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

// The program as a script runs it: the demo page is clean, a faulty page gets its lines and
// exit code, a page that cannot be read exits 2 while the others are still checked.
TEST(BatchCheck, ReportsPagesAsGivenWithTheirExitCode)
{
    ScratchFolder folder;
    const std::string faulty = folder.write(
        "faute.htm",
        "<IMG SRC=\"x.png\" USEMAP=\"#m\">\n<MAP NAME=\"m\">\n"
        "<AREA SHAPE=\"RECT\" COORDS=\"0,0,10\" HREF=\"absent.htm\" ALT=\"a\">\n</MAP>\n");
    struct Case
    {
        std::vector<std::string> arguments;
        int exitCode;
        std::string out;
        std::string err;
    };
    const std::string missing = folder.file("absente.htm");
    const Case cases[] = {
        {{"--check", DEMO_DIR "/index.htm"}, 0, "0 erreur, 0 avertissement dans 1 page\n", ""},
        {{"--check", faulty},
         1,
         faulty +
             ":3:1: erreur: Un rectangle demande 4 nombres (COORDS=\"0,0,10\" en donne 3). "
             "[area-coords]\n" +
             faulty +
             ":3:1: avertissement: Le lien « absent.htm » mène à un fichier qui n'existe "
             "pas. [area-href]\n1 erreur, 1 avertissement dans 1 page\n",
         ""},
        {{"--check", missing, DEMO_DIR "/index.htm"},
         2,
         "0 erreur, 0 avertissement dans 1 page, 1 page illisible\n",
         missing + ": Ouverture impossible : fichier ou dossier introuvable\n"},
        {{"--check", "--json", DEMO_DIR "/index.htm"},
         0,
         "{\"pages\":[{\"page\":\"" DEMO_DIR "/index.htm\",\"findings\":[]}],\"errors\":0,"
         "\"warnings\":0,\"unreadable\":0}\n",
         ""},
        {{"--check"},
         2,
         "",
         "Utilisation : areamkr --list PAGE | areamkr --check [--json] PAGE... | "
         "areamkr --rewrite PAGE\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.arguments.back());
        const ProgramResult result = ProgramRun::run(c.arguments);
        EXPECT_EQ(result.exitCode, c.exitCode);
        EXPECT_EQ(result.out, c.out);
        EXPECT_EQ(result.err, c.err);
    }
}

// Pictures are read by Qt's readers in the editor module, loaded only when a page has one.
// A program whose module is missing still checks, says why it reads no picture, and does not
// start the editor.
TEST(BatchCheck, ReadsPicturesThroughTheEditorModule)
{
    ScratchFolder folder;
    folder.copyIn(DEMO_DIR "/images/village.jpg", "village.jpg");
    const std::string page = folder.write(
        "p.htm", "<IMG SRC=\"village.jpg\" USEMAP=\"#m\">\n<MAP NAME=\"m\">\n"
                 "<AREA SHAPE=\"RECT\" COORDS=\"350,250,450,320\" HREF=\"#\" ALT=\"a\">\n</MAP>\n");
    const ProgramResult whole = ProgramRun::run({"--check", page});
    EXPECT_EQ(whole.exitCode, 0);
    EXPECT_EQ(whole.out, page +
                             ":3:1: avertissement: Zone en partie hors de son image (400 × 300). "
                             "[area-outside]\n0 erreur, 1 avertissement dans 1 page\n");
    EXPECT_EQ(whole.err, "");

    const std::string alone = folder.copyIn(AREAMKR_PROGRAM, "seul/areamkr");
    const ProgramResult check = ProgramRun::run({"--check", page}, ChildProcess::User::Same, alone);
    EXPECT_EQ(check.exitCode, 0);
    EXPECT_EQ(check.out, "0 erreur, 0 avertissement dans 1 page\n");
    EXPECT_TRUE(check.err.starts_with("Module de l'éditeur introuvable ou illisible : "))
        << check.err;
    EXPECT_TRUE(check.err.ends_with(" Les tailles des images ne peuvent pas être lues.\n"));

    const ProgramResult editor = ProgramRun::run({page}, ChildProcess::User::Same, alone);
    EXPECT_EQ(editor.exitCode, 1);
    EXPECT_TRUE(editor.err.starts_with("Module de l'éditeur introuvable ou illisible : "));
}
