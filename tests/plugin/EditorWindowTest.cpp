// The plug-in window as a host opens it: the built VST3 and LV2 bundles
// loaded through JUCE's hosting, their editor put on the desktop. Hosts open
// and close a window any number of times while other instances keep theirs
// open; every opening must show the fixed window, and the editors' shared
// resources must neither leak nor dangle (the AddressSanitizer build of this
// test sees the latter).

#include "HostedPlugin.h"
#include "TolerantXErrors.h"

#include <gtest/gtest.h>

namespace
{
using Format = HostedPlugin::Format;

const juce::Rectangle<int> windowSize { 1000, 320 };

std::string sizeOf (const juce::Component& c)
{
    return std::to_string (c.getWidth()) + " x " + std::to_string (c.getHeight());
}

// Runs the host's message loop, through which the hosted plug-in receives
// its X events and timers, until `done` holds or a few seconds have passed.
template <typename Condition>
bool runMessagesUntil (Condition done)
{
    const auto deadline = juce::Time::getMillisecondCounter() + 5000;

    while (! done())
    {
        if (juce::Time::getMillisecondCounter() > deadline)
            return false;

        juce::MessageManager::getInstance()->runDispatchLoopUntil (5);
    }

    return true;
}

// Opens the plug-in's window on the desktop, as a host shows it, and waits
// for the plug-in to give it its size.
std::unique_ptr<juce::AudioProcessorEditor> openWindow (juce::AudioPluginInstance& plugin)
{
    std::unique_ptr<juce::AudioProcessorEditor> editor (plugin.createEditorIfNeeded());

    if (editor == nullptr)
        return nullptr;

    editor->addToDesktop (juce::ComponentPeer::windowIsTemporary);
    editor->setVisible (true);
    runMessagesUntil ([&] { return editor->getLocalBounds() == windowSize; });

    // A few frames more, so the window is painted and polled before it goes.
    juce::MessageManager::getInstance()->runDispatchLoopUntil (30);
    return editor;
}

// Closes a window the way JUCE's own host survives it. JUCE 7.0.5's LV2 host
// embeds the plug-in's X window in an XEmbedComponent that does not follow
// the client's size; on each ConfigureNotify of the client its
// Pimpl::handleX11Event (juce_linux_XEmbedComponent.cpp) queues
// componentMovedOrResized through MessageManager::callAsync with a bare
// `this`, which ~Pimpl does not cancel. Deleting the editor right after the
// last resize leaves that call queued on freed memory. Deleting it from a
// message queued behind those calls lets them run first.
void closeWindow (std::unique_ptr<juce::AudioProcessorEditor> editor)
{
    auto closed = std::make_shared<bool> (false);
    juce::MessageManager::callAsync ([closed, doomed = std::shared_ptr<juce::AudioProcessorEditor> (std::move (editor))]() mutable
    {
        doomed.reset();
        *closed = true;
    });

    ASSERT_TRUE (runMessagesUntil ([&] { return *closed; })) << "the window was not closed";
}

class EditorWindow : public ::testing::TestWithParam<Format>
{
protected:
    static void SetUpTestSuite() { installTolerantXErrorHandler(); }
};
} // namespace

TEST_P (EditorWindow, OpensAtItsFixedSizeFiftyTimesBesideAnotherInstancesWindow)
{
    auto other = HostedPlugin::load (GetParam(), 44100.0, 512);
    auto hosted = HostedPlugin::load (GetParam(), 44100.0, 512);
    ASSERT_NE (other, nullptr);
    ASSERT_NE (hosted, nullptr);

    auto otherWindow = openWindow (other->instance());
    ASSERT_NE (otherWindow, nullptr);
    EXPECT_EQ (sizeOf (*otherWindow), "1000 x 320");

    for (int i = 0; i < 50; ++i)
    {
        auto window = openWindow (hosted->instance());
        ASSERT_NE (window, nullptr) << "opening " << i;
        ASSERT_EQ (sizeOf (*window), "1000 x 320") << "opening " << i;
        closeWindow (std::move (window));
    }

    // The window left open outlived fifty others and still works.
    otherWindow->repaint();
    juce::MessageManager::getInstance()->runDispatchLoopUntil (30);
    EXPECT_EQ (sizeOf (*otherWindow), "1000 x 320");
    closeWindow (std::move (otherWindow));
}

INSTANTIATE_TEST_SUITE_P (Bundle, EditorWindow, ::testing::Values (Format::vst3, Format::lv2),
                          [] (const ::testing::TestParamInfo<Format>& param) { return HostedPlugin::formatName (param.param); });
