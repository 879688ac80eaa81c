#pragma once

#include "FakeFileSystem.h"
#include "FakeImageProbe.h"
#include "RecordingViews.h"
#include "document/DocumentLifecycle.h"
#include "document/MapDocument.h"

#include <gtest/gtest.h>

namespace areamaker::testing {

// A document wired to recording views, an in-memory file system and a table of images.
class DocumentFixture : public ::testing::Test
{
protected:
    static constexpr const char *PagePath = "/site/page.htm";

    DocumentFixture()
    {
        document.attachViews(&views, &views, nullptr);
        images.sizes["/site/img/menu.gif"] = {200, 100};
        files.put("/site/img/menu.gif", "GIF89a");
    }

    EditorPorts ports()
    {
        return portsOf(views, images, files);
    }

    // Opens `page` as /site/page.htm; the test fails when the open does.
    void open(const std::string &page)
    {
        files.put(PagePath, page);
        ASSERT_TRUE(lifecycle.OpenDocument(PagePath, true)) << lifecycle.lastError();
    }

    std::string saved() const { return files.bytes(PagePath); }

    RecordingViews views;
    FakeFileSystem files;
    FakeImageProbe images;
    MapDocument document;
    DocumentLifecycle lifecycle{document, ports(), PathStyle::Posix};
};

} // namespace areamaker::testing
