// lv2_hosted_window_test BUNDLE_DIR PLUGIN_URI: the LV2 window embedded as jalv and Ardour
// do it, lilv running the DSP and suil putting the X11 UI into an X window of the host's.
// The second instance's window stays open while the first one's opens and closes 50 times,
// each 1000 x 320 on the X server; then two clicks on ">" must make the DSP report INIT's
// and then TIGHT WIDE's 20 values bit for bit as patch:Set events on its output: JUCE's UI
// sets parameters on the instance it reaches by instance-access, not by the write function.

#include "FactoryPresets.h"
#include "ParameterTable.h"
#include "TolerantXErrors.h"

#include <lilv/lilv.h>
#include <lv2/atom/util.h>
#include <lv2/buf-size/buf-size.h>
#include <lv2/instance-access/instance-access.h>
#include <lv2/options/options.h>
#include <lv2/parameters/parameters.h>
#include <lv2/patch/patch.h>
#include <lv2/ui/ui.h>
#include <suil/suil.h>

#include <X11/Xlib.h>

#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

extern char** environ;

namespace
{
constexpr int32_t blockSize = 512;
constexpr float sampleRate = 44100.0f;
constexpr size_t atomBytes = 32768;  // the bundle asks for at least 9632 bytes per atom port
constexpr int windowWidth = 1000, windowHeight = 320;
// ">": the 150 x 25 preset bar sits 5 px in from the top-right corner, ">" on its last 30 px.
constexpr int nextX = windowWidth - 5 - 150 + 135, nextY = 5 + 12;

bool failed = false;

bool check (bool ok, const std::string& what)
{
    if (! ok)
        std::fprintf (stderr, "FAIL: %s\n", what.c_str());

    failed = failed || ! ok;
    return ok;
}

// A DSP instance with a buffer for every port, touched only by the audio thread once it runs.
struct Dsp
{
    LilvInstance* instance = nullptr;
    std::vector<std::vector<float>> audio;
    std::vector<float> controls;
    std::vector<uint64_t> atomIn, atomOut;  // 64-bit words keep atoms aligned
};

// A parameter value an instance reported in a patch:Set.
struct Write { int instance; LV2_URID property; float value; };

struct Ui;

struct Session
{
    // The DSP instances, their UIs and the host's threads share one map, as in jalv.
    static LV2_URID mapUri (LV2_URID_Map_Handle handle, const char* uri)
    {
        auto& s = *static_cast<Session*> (handle);
        const std::lock_guard<std::mutex> guard (s.uridLock);
        return s.urids.emplace (uri, (LV2_URID) s.urids.size() + 1).first->second;
    }

    LV2_URID id (const char* uri) { return mapUri (this, uri); }

    std::mutex uridLock;
    std::unordered_map<std::string, LV2_URID> urids;
    LV2_URID_Map map { this, mapUri };
    const LV2_URID chunk = id (LV2_ATOM__Chunk), sequence = id (LV2_ATOM__Sequence), object = id (LV2_ATOM__Object);
    const LV2_URID urid = id (LV2_ATOM__URID), floatType = id (LV2_ATOM__Float), patchSet = id (LV2_PATCH__Set);
    const LV2_URID property = id (LV2_PATCH__property), value = id (LV2_PATCH__value);
    LV2_Options_Option options[3] {
        { LV2_OPTIONS_INSTANCE, 0, id (LV2_BUF_SIZE__maxBlockLength), 4, id (LV2_ATOM__Int), &blockSize },
        { LV2_OPTIONS_INSTANCE, 0, id (LV2_PARAMETERS__sampleRate), 4, floatType, &sampleRate },
        { LV2_OPTIONS_INSTANCE, 0, 0, 0, 0, nullptr }
    };
    Display* display = nullptr;
    LilvWorld* world = nullptr;
    const LilvPlugin* plugin = nullptr;
    std::string pluginUri, uiUri, uiType, uiBundle, uiBinary;
    Dsp dsps[2];
    std::mutex queueLock;
    std::vector<Write> queue;  // from the audio thread to the UI thread
    SuilHost* suilHost = nullptr;
    std::vector<Ui*> openUis;
    int uiWrites = 0;
    LV2_URID parameters[NumParams] {};
    std::vector<float> received[2][NumParams];  // each instance's values per parameter, oldest first
};

// The host's audio thread: a block for every instance every 10 ms.
void runAudio (Session& s, const std::atomic<bool>& stop)
{
    std::vector<Write> writes;

    for (; ! stop; std::this_thread::sleep_for (std::chrono::milliseconds (10)))
    {
        for (int i = 0; i < 2; ++i)
        {
            auto* in = reinterpret_cast<LV2_Atom_Sequence*> (s.dsps[i].atomIn.data());
            *in = { { sizeof (LV2_Atom_Sequence_Body), s.sequence }, { 0, 0 } };
            auto* out = reinterpret_cast<LV2_Atom_Sequence*> (s.dsps[i].atomOut.data());
            out->atom = { (uint32_t) (atomBytes - sizeof (LV2_Atom)), s.chunk };
            lilv_instance_run (s.dsps[i].instance, blockSize);

            if (out->atom.type != s.sequence)
                continue;

            LV2_ATOM_SEQUENCE_FOREACH (out, ev)
            {
                const auto* object = reinterpret_cast<const LV2_Atom_Object*> (&ev->body);
                const LV2_Atom *property = nullptr, *value = nullptr;

                if (ev->body.type == s.object && object->body.otype == s.patchSet)
                    lv2_atom_object_get (object, s.property, &property, s.value, &value, 0);

                if (property != nullptr && property->type == s.urid && value != nullptr && value->type == s.floatType)
                    writes.push_back ({ i, reinterpret_cast<const LV2_Atom_URID*> (property)->body,
                                        reinterpret_cast<const LV2_Atom_Float*> (value)->body });
            }
        }

        const std::lock_guard<std::mutex> guard (s.queueLock);
        s.queue.insert (s.queue.end(), writes.begin(), writes.end());
        writes.clear();
    }
}

// One open plug-in window in an X window of the host's; freeing it closes it.
struct Ui
{
    Ui (Session& session, int index) : s (session), instance (index) {}

    ~Ui()
    {
        s.openUis.erase (std::remove (s.openUis.begin(), s.openUis.end(), this), s.openUis.end());
        suil_instance_free (suil);  // nothing if suil could not make it
        XDestroyWindow (s.display, parent);
        XFlush (s.display);
    }

    static int resizeParent (LV2UI_Feature_Handle handle, int width, int height)
    {
        auto& ui = *static_cast<Ui*> (handle);
        ui.resizeRequests.emplace_back (width, height);
        XResizeWindow (ui.s.display, ui.parent, (unsigned) width, (unsigned) height);
        XFlush (ui.s.display);
        return 0;
    }

    Session& s;
    const int instance;
    Window parent = 0, widget = 0;
    SuilInstance* suil = nullptr;
    const LV2UI_Idle_Interface* idle = nullptr;
    LV2UI_Resize resize { this, resizeParent };
    std::vector<LV2_Feature> features;
    std::vector<std::pair<int, int>> resizeRequests;
};

// One turn of the host's UI loop, about 30 per second, as hosts idle UIs.
void cycle (Session& s)
{
    for (auto* ui : s.openUis)
        check (ui->idle->idle (suil_instance_get_handle (ui->suil)) == 0, "a plug-in window asked to be closed");

    // Only the host's own events: the plug-in reads its own X connection during idle.
    for (XEvent event; XPending (s.display) > 0;)
        XNextEvent (s.display, &event);

    std::vector<Write> writes;
    {
        const std::lock_guard<std::mutex> guard (s.queueLock);
        writes.swap (s.queue);
    }

    // Not forwarded with suil_instance_port_event: JUCE's LV2 UI ignores port events.
    for (const auto& w : writes)
        if (const auto p = std::find (s.parameters, s.parameters + NumParams, w.property) - s.parameters; p < NumParams)
            s.received[w.instance][p].push_back (w.value);

    std::this_thread::sleep_for (std::chrono::milliseconds (33));
}

// Cycles until `done` holds, or for the given time if it never does.
bool cycleUntil (Session& s, double seconds, const std::function<bool()>& done = [] { return false; })
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double> (seconds);

    for (; ! done(); cycle (s))
        if (std::chrono::steady_clock::now() > deadline)
            return false;

    return true;
}

// Zeroed, that is unmapped and 0 x 0, if the window is gone.
XWindowAttributes attributesOf (Session& s, Window window)
{
    XWindowAttributes attributes {};
    XGetWindowAttributes (s.display, window, &attributes);
    return attributes;
}

// The plug-in's window, its ui:resize requests and the host's window, as the X server has them.
void checkWindow (Session& s, const Ui& ui, const std::string& what)
{
    const auto size = [] (int w, int h) { return std::to_string (w) + " x " + std::to_string (h); };
    const auto expected = size (windowWidth, windowHeight);
    const auto widget = attributesOf (s, ui.widget), parent = attributesOf (s, ui.parent);
    const auto widgetSize = size (widget.width, widget.height), parentSize = size (parent.width, parent.height);
    check (widgetSize == expected, what + ": the plug-in's X window is " + widgetSize);
    check (parentSize == expected, what + ": the host's window was resized to " + parentSize);
    check (! ui.resizeRequests.empty(), what + ": no ui:resize request");

    for (const auto& r : ui.resizeRequests)
        check (size (r.first, r.second) == expected, what + ": ui:resize asked for " + size (r.first, r.second));
}

// Opens a window, waits until it is shown, then idles a few turns more so that it is painted.
std::unique_ptr<Ui> showUi (Session& s, int instance, int y, const std::string& what)
{
    auto ui = std::make_unique<Ui> (s, instance);
    ui->parent = XCreateSimpleWindow (s.display, DefaultRootWindow (s.display), 0, y, 640, 480, 0, 0, 0);
    XSelectInput (s.display, ui->parent, StructureNotifyMask);
    XMapWindow (s.display, ui->parent);
    XFlush (s.display);

    ui->features = { { LV2_URID__map, &s.map },
                     { LV2_UI__parent, reinterpret_cast<void*> ((uintptr_t) ui->parent) },
                     { LV2_UI__resize, &ui->resize },
                     { LV2_UI__idleInterface, nullptr },
                     { LV2_INSTANCE_ACCESS_URI, lilv_instance_get_handle (s.dsps[instance].instance) },
                     { LV2_OPTIONS__options, s.options } };
    std::vector<const LV2_Feature*> features;

    for (const auto& f : ui->features)
        features.push_back (&f);

    features.push_back (nullptr);
    ui->suil = suil_instance_new (s.suilHost, ui.get(), LV2_UI__X11UI, s.pluginUri.c_str(), s.uiUri.c_str(),
                                  s.uiType.c_str(), s.uiBundle.c_str(), s.uiBinary.c_str(), features.data());

    if (ui->suil != nullptr)
    {
        ui->idle = static_cast<const LV2UI_Idle_Interface*> (
            suil_instance_extension_data (ui->suil, LV2_UI__idleInterface));
        ui->widget = (Window) reinterpret_cast<uintptr_t> (suil_instance_get_widget (ui->suil));
    }

    if (! check (ui->idle != nullptr && ui->widget != 0, what + ": suil could not open the plug-in window"))
        return nullptr;

    s.openUis.push_back (ui.get());
    check (cycleUntil (s, 20.0, [&] { return attributesOf (s, ui->widget).map_state == IsViewable; }),
           what + ": the plug-in window did not show within 20 s");

    for (int i = 0; i < 5; ++i)
        cycle (s);

    checkWindow (s, *ui, what);
    return ui;
}

// A left click on ">" at root coordinates; the UIs idle while xdotool runs, as in a host.
bool clickNext (Session& s, const Ui& ui)
{
    int x = 0, y = 0, status = 0;
    Window child = 0;
    XTranslateCoordinates (s.display, ui.widget, DefaultRootWindow (s.display), nextX, nextY, &x, &y, &child);
    const auto xs = std::to_string (x), ys = std::to_string (y);
    const char* args[] = { "xdotool", "mousemove", xs.c_str(), ys.c_str(), "click", "1", nullptr };
    pid_t pid = 0, ended = 0;

    if (posix_spawnp (&pid, "xdotool", nullptr, nullptr, const_cast<char**> (args), environ) != 0)
        return false;

    while ((ended = waitpid (pid, &status, WNOHANG)) == 0)
        cycle (s);

    return ended == pid && WIFEXITED (status) && WEXITSTATUS (status) == 0;
}

// Clicks ">"; then every parameter must be reported, the last value of each the preset's, bit for bit.
void clickNextAndExpect (Session& s, const Ui& ui, const std::string& name)
{
    const auto row = std::find (FactoryPresetNames, FactoryPresetNames + FactoryPresetCount, name) - FactoryPresetNames;
    auto& received = s.received[ui.instance];

    for (auto& values : received)
        values.clear();

    if (! check (row < FactoryPresetCount, "no factory preset " + name) || ! check (clickNext (s, ui), "xdotool failed"))
        return;

    const float* preset = FactoryPresetData[row];
    const auto holdsPreset = [&]
    {
        for (int p = 0; p < NumParams; ++p)
            if (received[p].empty() || std::memcmp (&received[p].back(), &preset[p], sizeof (float)) != 0)
                return false;

        return true;
    };

    check (cycleUntil (s, 10.0, holdsPreset), "\">\" did not report " + name + "'s 20 values bit for bit within 10 s");
}

std::string fileOf (const LilvNode* uri)
{
    const std::unique_ptr<char, decltype (&lilv_free)> path (lilv_node_get_path (uri, nullptr), lilv_free);
    return path != nullptr ? path.get() : "";
}

// The X11 UI of the plug-in, which suil must embed directly.
bool findUi (Session& s)
{
    LilvNode* x11 = lilv_new_uri (s.world, LV2_UI__X11UI);
    LilvUIs* uis = lilv_plugin_get_uis (s.plugin);

    LILV_FOREACH (uis, i, uis)
    {
        const LilvUI* ui = lilv_uis_get (uis, i);
        const LilvNode* type = nullptr;

        if (lilv_ui_is_supported (ui, suil_ui_supported, x11, &type) == 1)
        {
            s.uiUri = lilv_node_as_uri (lilv_ui_get_uri (ui));
            s.uiType = lilv_node_as_uri (type);
            s.uiBundle = fileOf (lilv_ui_get_bundle_uri (ui));
            s.uiBinary = fileOf (lilv_ui_get_binary_uri (ui));
        }
    }

    lilv_uis_free (uis);
    lilv_node_free (x11);
    return ! s.uiUri.empty();
}

// The parameters' URIDs, found by the labels a host shows. They range from 0 to 1, so a
// patch:Set carries the normalised value the preset table holds.
void findParameters (Session& s)
{
    LilvNode* writable = lilv_new_uri (s.world, LV2_PATCH__writable);
    LilvNode* label = lilv_new_uri (s.world, LILV_NS_RDFS "label");
    LilvNodes* found = lilv_world_find_nodes (s.world, lilv_plugin_get_uri (s.plugin), writable, nullptr);

    LILV_FOREACH (nodes, i, found)
    {
        LilvNode* name = lilv_world_get (s.world, lilv_nodes_get (found, i), label, nullptr);

        for (int p = 0; p < NumParams; ++p)
            if (name != nullptr && std::strcmp (lilv_node_as_string (name), ParamNames[p]) == 0)
                s.parameters[p] = s.id (lilv_node_as_uri (lilv_nodes_get (found, i)));

        lilv_node_free (name);
    }

    for (int p = 0; p < NumParams; ++p)
        check (s.parameters[p] != 0, std::string ("no writable parameter labelled ") + ParamNames[p]);

    lilv_nodes_free (found);
    lilv_node_free (writable);
    lilv_node_free (label);
}

// Every port gets a buffer: silence, event sequences, and the default of every control.
bool instantiate (Session& s, Dsp& dsp)
{
    const LV2_Feature map { LV2_URID__map, &s.map }, options { LV2_OPTIONS__options, s.options },
                      bounded { LV2_BUF_SIZE__boundedBlockLength, nullptr };
    const LV2_Feature* features[] { &map, &options, &bounded, nullptr };
    dsp.instance = lilv_plugin_instantiate (s.plugin, sampleRate, features);

    if (dsp.instance == nullptr)
        return false;

    LilvNode* audio = lilv_new_uri (s.world, LV2_CORE__AudioPort);
    LilvNode* atom = lilv_new_uri (s.world, LV2_ATOM__AtomPort);
    LilvNode* control = lilv_new_uri (s.world, LV2_CORE__ControlPort);
    LilvNode* input = lilv_new_uri (s.world, LV2_CORE__InputPort);
    const auto count = lilv_plugin_get_num_ports (s.plugin);
    dsp.audio.assign (count, std::vector<float> (blockSize));
    dsp.controls.resize (count);
    lilv_plugin_get_port_ranges_float (s.plugin, nullptr, nullptr, dsp.controls.data());
    dsp.atomIn.assign (atomBytes / sizeof (uint64_t), 0);
    dsp.atomOut.assign (atomBytes / sizeof (uint64_t), 0);

    for (uint32_t p = 0; p < count; ++p)
    {
        const LilvPort* port = lilv_plugin_get_port_by_index (s.plugin, p);
        const bool isInput = lilv_port_is_a (s.plugin, port, input);

        if (lilv_port_is_a (s.plugin, port, audio))
            lilv_instance_connect_port (dsp.instance, p, dsp.audio[p].data());
        else if (lilv_port_is_a (s.plugin, port, atom))
            lilv_instance_connect_port (dsp.instance, p, isInput ? dsp.atomIn.data() : dsp.atomOut.data());
        else if (check (lilv_port_is_a (s.plugin, port, control), "port " + std::to_string (p) + " is of an unknown kind"))
            lilv_instance_connect_port (dsp.instance, p, &dsp.controls[p]);
    }

    for (LilvNode* node : { audio, atom, control, input })
        lilv_node_free (node);

    return true;
}

void runSession (Session& s)
{
    // The write function only counts its calls. No port index function: JUCE's UI asks for no ui:portMap.
    s.suilHost = suil_host_new ([] (SuilController ui, uint32_t, uint32_t, uint32_t, const void*)
                                { ++static_cast<Ui*> (ui)->s.uiWrites; }, nullptr, nullptr, nullptr);

    for (auto& dsp : s.dsps)
        lilv_instance_activate (dsp.instance);

    std::atomic<bool> stopAudio { false };
    std::thread audio (runAudio, std::ref (s), std::cref (stopAudio));

    if (auto kept = showUi (s, 1, 0, "the window kept open"))
    {
        // Each of these windows closes again as soon as it is shown and checked.
        for (int i = 1; i <= 50 && ! failed; ++i)
            showUi (s, 0, 400, "opening " + std::to_string (i) + " of the other window");

        // The window left open outlived fifty others and still works.
        cycleUntil (s, 0.2);
        checkWindow (s, *kept, "the window kept open, at the end");

        if (! failed)
        {
            clickNextAndExpect (s, *kept, "INIT");
            cycleUntil (s, 0.6);  // far enough apart not to count as a double-click
            clickNextAndExpect (s, *kept, "TIGHT WIDE");
        }
    }

    stopAudio = true;
    audio.join();

    for (auto& dsp : s.dsps)
        lilv_instance_deactivate (dsp.instance);

    suil_host_free (s.suilHost);
    std::printf ("the UIs' write function was called %d times\n", s.uiWrites);
}
} // namespace

int main (int argc, char** argv)
{
    if (! check (argc == 3, "usage: lv2_hosted_window_test BUNDLE_DIR PLUGIN_URI"))
        return 2;

    // The host's and the plug-in's X connections serve more than one thread; Xlib must know first.
    XInitThreads();
    suil_init (&argc, &argv, SUIL_ARG_NONE);
    installTolerantXErrorHandler();
    Session s;
    s.display = XOpenDisplay (nullptr);

    if (! check (s.display != nullptr, "no X display"))
        return 1;

    s.world = lilv_world_new();
    s.pluginUri = argv[2];
    const std::string bundleDir = std::string (argv[1]) + "/";
    LilvNode* bundle = lilv_new_file_uri (s.world, nullptr, bundleDir.c_str());
    LilvNode* pluginUri = lilv_new_uri (s.world, s.pluginUri.c_str());
    lilv_world_load_bundle (s.world, bundle);
    s.plugin = lilv_plugins_get_by_uri (lilv_world_get_all_plugins (s.world), pluginUri);

    if (check (s.plugin != nullptr, "lilv found no " + s.pluginUri + " in " + bundleDir)
        && check (findUi (s), "the plug-in has no X11 UI that suil embeds directly")
        && check (instantiate (s, s.dsps[0]) && instantiate (s, s.dsps[1]), "the plug-in could not be instantiated"))
        findParameters (s);

    if (! failed)
        runSession (s);

    for (auto& dsp : s.dsps)
        lilv_instance_free (dsp.instance);  // nothing if it was never made

    lilv_node_free (pluginUri);
    lilv_node_free (bundle);
    lilv_world_free (s.world);
    XCloseDisplay (s.display);
    std::printf ("lv2 hosted window test: %s\n", failed ? "FAILED" : "passed");
    return failed ? 1 : 0;
}
