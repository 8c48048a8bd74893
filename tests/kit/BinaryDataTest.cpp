// Resource index BinaryData: the look-up rule and the embedded
// resources' formats and sizes.

#include "BinaryData.h"

#include <juce_graphics/juce_graphics.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <set>
#include <string>

namespace
{

// The look-up hash, written again here: 31 * h + c, c a signed byte.
std::uint32_t lookUpHash (const std::string& name)
{
    std::uint32_t hash = 0;

    for (char ch : name)
        hash = 31u * hash + (std::uint32_t) (std::int32_t) (signed char) ch;

    return hash;
}

std::uint32_t bigEndian32 (const char* p)
{
    const auto* b = reinterpret_cast<const unsigned char*> (p);
    return ((std::uint32_t) b[0] << 24) | ((std::uint32_t) b[1] << 16) | ((std::uint32_t) b[2] << 8) | b[3];
}

std::uint32_t littleEndian32 (const char* p)
{
    const auto* b = reinterpret_cast<const unsigned char*> (p);
    return ((std::uint32_t) b[3] << 24) | ((std::uint32_t) b[2] << 16) | ((std::uint32_t) b[1] << 8) | b[0];
}

std::uint16_t littleEndian16 (const char* p)
{
    const auto* b = reinterpret_cast<const unsigned char*> (p);
    return (std::uint16_t) (b[0] | (b[1] << 8));
}

struct Blob
{
    const char* data = nullptr;
    int size = -1;
};

Blob lookUp (const char* name)
{
    Blob b;
    b.data = BinaryData::getNamedResource (name, b.size);
    return b;
}

const char pngSignature[] = "\x89PNG\r\n\x1a\n";

} // namespace

TEST (BinaryData, NullOrEmptyNameGivesNullAndSizeZero)
{
    auto b = lookUp (nullptr);
    EXPECT_EQ (b.data, nullptr);
    EXPECT_EQ (b.size, 0);

    b = lookUp ("");
    EXPECT_EQ (b.data, nullptr);
    EXPECT_EQ (b.size, 0);
}

TEST (BinaryData, UnknownOrCaseChangedNameIsNotFound)
{
    for (const char* name : { "Pencil_png", "pencil_PNG", "pencil.png", "pencil", "nothing_png" })
    {
        auto b = lookUp (name);
        EXPECT_EQ (b.data, nullptr) << name;
        EXPECT_EQ (b.size, 0) << name;
    }
}

TEST (BinaryData, NamesHashWithSignedBytes)
{
    EXPECT_EQ (lookUpHash ("abc"), 96354u);
    EXPECT_EQ (lookUpHash ("pencil_png"), 0x30371FF7u);
}

TEST (BinaryData, LookUpIsByHashAlone)
{
    // "pe" -> "qF": 31 * 'q' + 'F' == 31 * 'p' + 'e', so the hash is unchanged.
    const std::string sameHash = "qFncil_png";
    ASSERT_EQ (lookUpHash (sameHash), lookUpHash ("pencil_png"));

    auto b = lookUp (sameHash.c_str());
    EXPECT_EQ (b.data, BinaryData::pencil_png);
    EXPECT_EQ (b.size, BinaryData::pencil_pngSize);

    // A byte above 0x7F counts as negative: "t\xE9" adds 31 * 116 - 23, as
    // "pe" adds 31 * 112 + 101. Read unsigned, the hash would differ.
    const std::string signedByte = "t\xE9ncil_png";
    ASSERT_EQ (lookUpHash (signedByte), lookUpHash ("pencil_png"));

    b = lookUp (signedByte.c_str());
    EXPECT_EQ (b.data, BinaryData::pencil_png);
    EXPECT_EQ (b.size, BinaryData::pencil_pngSize);
}

TEST (BinaryData, PencilIsAPngFollowedByAZeroByte)
{
    auto b = lookUp ("pencil_png");
    ASSERT_NE (b.data, nullptr);
    EXPECT_EQ (b.data, BinaryData::pencil_png);
    EXPECT_EQ (b.size, BinaryData::pencil_pngSize);
    ASSERT_GT (b.size, 8);
    EXPECT_EQ (std::memcmp (b.data, pngSignature, 8), 0);
    EXPECT_EQ (b.data[b.size], 0);
}

TEST (BinaryData, NamesAreTheResourceFilesAndTheirHashesAreDistinct)
{
    const std::set<std::string> expected {
        "AvenirNextBold_ttf", "AvenirNextDemiBold_ttf", "Enyo_otf", "Pistara_otf",
        "filltexture_png", "filltexture2x_png", "papper_png", "papper2x_png", "lila_png",
        "pencil_png", "pencil2x_png", "title_icon_png", "title_icon2x_png",
        "sorvan_svg", "velto_appicon_png", "loop_wav"
    };

    std::set<std::string> names;
    std::set<std::uint32_t> hashes;

    for (int i = 0; i < BinaryData::namedResourceListSize; ++i)
    {
        const std::string name = BinaryData::namedResourceList[i];
        names.insert (name);
        hashes.insert (lookUpHash (name));

        auto b = lookUp (name.c_str());
        ASSERT_NE (b.data, nullptr) << name;
        EXPECT_GT (b.size, 0) << name;
        EXPECT_EQ (b.data[b.size], 0) << name << ": no zero byte after the blob";
    }

    EXPECT_EQ (names, expected);
    EXPECT_EQ (hashes.size(), names.size()) << "two resource names share a hash";
}

TEST (BinaryData, ImagesHaveTheirFormatAndPixelSize)
{
    struct Expected { const char* name; int width, height; bool alpha; };

    const Expected table[] = {
        { "filltexture_png",    250,  250, false },
        { "filltexture2x_png",  500,  500, false },
        { "papper_png",         250,  250, false },
        { "papper2x_png",       500,  500, false },
        { "lila_png",          2000, 1796, false },
        { "pencil_png",         300,   22, true  },
        { "pencil2x_png",       600,   36, true  },
        { "title_icon_png",     125,  125, true  },
        { "title_icon2x_png",   250,  250, true  },
        { "velto_appicon_png", 1024, 1024, false },
    };

    for (const auto& e : table)
    {
        SCOPED_TRACE (e.name);
        auto b = lookUp (e.name);
        ASSERT_NE (b.data, nullptr);
        ASSERT_GT (b.size, 33);

        // Signature, then IHDR: width, height, bit depth 8, colour type 2 (RGB) or 6 (RGBA).
        EXPECT_EQ (std::memcmp (b.data, pngSignature, 8), 0);
        EXPECT_EQ (std::memcmp (b.data + 12, "IHDR", 4), 0);
        EXPECT_EQ (bigEndian32 (b.data + 16), (std::uint32_t) e.width);
        EXPECT_EQ (bigEndian32 (b.data + 20), (std::uint32_t) e.height);
        EXPECT_EQ ((int) (unsigned char) b.data[24], 8);
        EXPECT_EQ ((int) (unsigned char) b.data[25], e.alpha ? 6 : 2);

        juce::MemoryInputStream in (b.data, (size_t) b.size, false);
        juce::PNGImageFormat png;
        EXPECT_TRUE (png.canUnderstand (in));
        in.setPosition (0);
        const auto image = png.decodeImage (in);
        ASSERT_TRUE (image.isValid());
        EXPECT_EQ (image.getWidth(), e.width);
        EXPECT_EQ (image.getHeight(), e.height);
        EXPECT_EQ (image.hasAlphaChannel(), e.alpha);
    }
}

TEST (BinaryData, FontsLoadAsTypefaces)
{
    struct Expected { const char* name; bool cff; };

    const Expected table[] = {
        { "AvenirNextBold_ttf",     false },
        { "AvenirNextDemiBold_ttf", false },
        { "Enyo_otf",               true  },
        { "Pistara_otf",            true  },
    };

    for (const auto& e : table)
    {
        SCOPED_TRACE (e.name);
        auto b = lookUp (e.name);
        ASSERT_NE (b.data, nullptr);
        ASSERT_GT (b.size, 12);

        // sfnt version: 0x00010000 for TrueType outlines, "OTTO" for CFF.
        EXPECT_EQ (bigEndian32 (b.data), e.cff ? 0x4F54544Fu : 0x00010000u);

        auto typeface = juce::Typeface::createSystemTypefaceFor (b.data, (size_t) b.size);
        ASSERT_NE (typeface, nullptr);

        juce::Path outline;
        juce::Font font (typeface);
        font.setHeight (20.0f);
        juce::GlyphArrangement glyphs;
        glyphs.addLineOfText (font, "LOW MIX 20 Hz", 0.0f, 0.0f);
        glyphs.createPath (outline);
        EXPECT_FALSE (outline.getBounds().isEmpty());
    }
}

TEST (BinaryData, LoopIsStereo16BitPcmAt44100)
{
    auto b = lookUp ("loop_wav");
    ASSERT_NE (b.data, nullptr);
    ASSERT_GE (b.size, 44);
    EXPECT_EQ (std::memcmp (b.data, "RIFF", 4), 0);
    EXPECT_EQ (littleEndian32 (b.data + 4), (std::uint32_t) b.size - 8);
    EXPECT_EQ (std::memcmp (b.data + 8, "WAVE", 4), 0);

    bool sawFormat = false;
    std::uint32_t dataBytes = 0;

    for (int pos = 12; pos + 8 <= b.size;)
    {
        const auto chunkSize = (int) littleEndian32 (b.data + pos + 4);

        if (std::memcmp (b.data + pos, "fmt ", 4) == 0)
        {
            sawFormat = true;
            EXPECT_EQ (littleEndian16 (b.data + pos + 8), 1);          // PCM
            EXPECT_EQ (littleEndian16 (b.data + pos + 10), 2);         // stereo
            EXPECT_EQ (littleEndian32 (b.data + pos + 12), 44100u);    // sample rate
            EXPECT_EQ (littleEndian16 (b.data + pos + 22), 16);        // bits per sample
        }
        else if (std::memcmp (b.data + pos, "data", 4) == 0)
        {
            dataBytes = (std::uint32_t) chunkSize;
        }

        pos += 8 + chunkSize + (chunkSize & 1);
    }

    EXPECT_TRUE (sawFormat);
    const double seconds = dataBytes / 4.0 / 44100.0;
    EXPECT_GT (seconds, 7.5);
    EXPECT_LT (seconds, 7.9);
}

TEST (BinaryData, LogoIsAnSvgWithOneEvenOddWhitePath)
{
    auto b = lookUp ("sorvan_svg");
    ASSERT_NE (b.data, nullptr);
    ASSERT_EQ (b.data[b.size], 0);   // usable as a zero-terminated string

    const auto text = juce::String::fromUTF8 (b.data, b.size);
    EXPECT_EQ (text, juce::String::fromUTF8 (b.data));

    auto svg = juce::XmlDocument::parse (text);
    ASSERT_NE (svg, nullptr);
    EXPECT_TRUE (svg->hasTagName ("svg"));
    EXPECT_EQ (svg->getStringAttribute ("width"), "160px");
    EXPECT_EQ (svg->getStringAttribute ("height"), "31px");
    EXPECT_EQ (svg->getStringAttribute ("viewBox"), "0 0 160 31");

    std::vector<const juce::XmlElement*> paths;
    std::function<void (const juce::XmlElement&)> collect = [&] (const juce::XmlElement& e)
    {
        if (e.hasTagName ("path"))
            paths.push_back (&e);

        for (auto* child : e.getChildIterator())
            collect (*child);
    };
    collect (*svg);

    ASSERT_EQ (paths.size(), 1u);
    EXPECT_EQ (paths[0]->getStringAttribute ("fill").toLowerCase(), "#ffffff");
    EXPECT_EQ (paths[0]->getStringAttribute ("fill-rule"), "evenodd");
    EXPECT_TRUE (paths[0]->getStringAttribute ("d").isNotEmpty());

    auto drawable = juce::Drawable::createFromSVG (*svg);
    ASSERT_NE (drawable, nullptr);
    const auto bounds = drawable->getDrawableBounds();
    EXPECT_FALSE (bounds.isEmpty());
    EXPECT_TRUE (juce::Rectangle<float> (0.0f, 0.0f, 160.0f, 31.0f).contains (bounds));
}
