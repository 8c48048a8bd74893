// The LV2 build's window as LV2 hosts on Linux embed it. jalv and Ardour
// load a plug-in with lilv, run its DSP instance, and let suil put the X11
// UI into an X window of their own (ui:parent); they call the UI's idle
// interface about 30 times a second, map URIDs and follow ui:resize. This
// small host does the same, on a display of its own:
//
//   lv2_hosted_window_test BUNDLE_DIR PLUGIN_URI
//
// Two instances run all the time on an "audio" thread. The second one's
// window stays open while the first one's opens and closes 50 times; every
// window must be 1000 x 320 as the X server sees it. Then ">" on the open
// window's preset bar is clicked twice through the X server (xdotool): the
// plug-in must report, as patch:Set events on its output port, all 20
// values of INIT and then those of TIGHT WIDE, bit for bit. JUCE's LV2 UI
// changes the parameters through the DSP instance it reaches by
// instance-access, so the writes come from the DSP's output, as in jalv;
// what the UI's own write function receives is only listed.

#include "FactoryPresets.h"
#include "ParameterTable.h"
#include "TolerantXErrors.h"

#include <lilv/lilv.h>
#include <lv2/atom/atom.h>
#include <lv2/atom/util.h>
#include <lv2/buf-size/buf-size.h>
#include <lv2/instance-access/instance-access.h>
#include <lv2/options/options.h>
#include <lv2/parameters/parameters.h>
#include <lv2/patch/patch.h>
#include <lv2/ui/ui.h>
#include <lv2/urid/urid.h>
#include <suil/suil.h>

#include <X11/Xlib.h>

#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

extern char** environ;

namespace
{
constexpr uint32_t blockSize = 512;
constexpr float sampleRate = 44100.0f;
// The bundle asks for at least 9632 bytes on each atom port.
constexpr size_t atomBytes = 32768;
constexpr int windowWidth = 1000, windowHeight = 320;
// ">" on the preset bar, in the plug-in window's coordinates: the bar,
// 150 x 25, sits 5 px in from the top-right corner, ">" on its last 30 px.
constexpr int nextX = windowWidth - 5 - 150 + 135, nextY = 5 + 12;

bool failed = false;

void fail (const std::string& what)
{
    std::fprintf (stderr, "FAIL: %s\n", what.c_str());
    failed = true;
}

// Shared by the DSP instances, their UIs and the host's threads, as in jalv.
struct UridMap
{
    std::mutex lock;
    std::unordered_map<std::string, LV2_URID> ids;
};

LV2_URID mapUri (LV2_URID_Map_Handle handle, const char* uri)
{
    auto& map = *static_cast<UridMap*> (handle);
    const std::lock_guard<std::mutex> guard (map.lock);
    return map.ids.emplace (uri, (LV2_URID) map.ids.size() + 1).first->second;
}

struct Urids
{
    LV2_URID atomChunk, atomSequence, atomObject, atomUrid, atomFloat, atomInt, eventTransfer,
             patchSet, patchProperty, patchValue, maxBlockLength, paramSampleRate;
};

// One DSP instance with a buffer for every port. Only the audio thread
// touches the buffers once it runs.
struct Dsp
{
    LilvInstance* instance = nullptr;
    std::vector<std::vector<float>> audio;
    std::vector<float> controls;
    std::vector<uint64_t> atomIn, atomOut;  // 64-bit words keep atoms aligned
    uint32_t outPort = 0;
};

// A patch:Set the plug-in reported, with the event as it came, for the UI.
// Property 0 stands for one without a URID property or a float value.
struct ParameterWrite
{
    int instance;
    LV2_URID property;
    float value;
    std::vector<uint8_t> event;
};

struct WriteQueue
{
    std::mutex lock;
    std::vector<ParameterWrite> writes;
};

void runBlock (Dsp& dsp, int index, const Urids& u, std::vector<ParameterWrite>& writes)
{
    auto* in = reinterpret_cast<LV2_Atom_Sequence*> (dsp.atomIn.data());
    in->atom = { sizeof (LV2_Atom_Sequence_Body), u.atomSequence };
    in->body = { 0, 0 };
    auto* out = reinterpret_cast<LV2_Atom_Sequence*> (dsp.atomOut.data());
    out->atom = { (uint32_t) (atomBytes - sizeof (LV2_Atom)), u.atomChunk };

    lilv_instance_run (dsp.instance, blockSize);

    if (out->atom.type != u.atomSequence)
        return;

    LV2_ATOM_SEQUENCE_FOREACH (out, ev)
    {
        const auto* object = reinterpret_cast<const LV2_Atom_Object*> (&ev->body);

        if (ev->body.type != u.atomObject || object->body.otype != u.patchSet)
            continue;

        const LV2_Atom* property = nullptr;
        const LV2_Atom* value = nullptr;
        lv2_atom_object_get (object, u.patchProperty, &property, u.patchValue, &value, 0);

        const bool wellFormed = property != nullptr && property->type == u.atomUrid
                             && value != nullptr && value->type == u.atomFloat;
        const auto* bytes = reinterpret_cast<const uint8_t*> (&ev->body);
        writes.push_back ({ index, wellFormed ? reinterpret_cast<const LV2_Atom_URID*> (property)->body : 0,
                            wellFormed ? reinterpret_cast<const LV2_Atom_Float*> (value)->body : 0.0f,
                            { bytes, bytes + sizeof (LV2_Atom) + ev->body.size } });
    }
}

// The host's audio thread: a block for every instance every 10 ms; what
// the plug-ins report goes to the main thread through the queue.
void runAudio (std::vector<Dsp>& dsps, const Urids& u, WriteQueue& queue, const std::atomic<bool>& stop)
{
    std::vector<ParameterWrite> writes;

    while (! stop.load())
    {
        for (size_t i = 0; i < dsps.size(); ++i)
            runBlock (dsps[i], (int) i, u, writes);

        if (! writes.empty())
        {
            const std::lock_guard<std::mutex> guard (queue.lock);
            std::move (writes.begin(), writes.end(), std::back_inserter (queue.writes));
        }

        writes.clear();
        std::this_thread::sleep_for (std::chrono::milliseconds (10));
    }
}

struct UiWrite
{
    int instance;
    uint32_t port, size, protocol;
};

struct Session;

// One open plug-in window, embedded in an X window of the host's.
struct Ui
{
    Session* session = nullptr;
    int instance = 0;
    Window parent = 0, widget = 0;
    SuilInstance* suil = nullptr;
    const LV2UI_Idle_Interface* idle = nullptr;
    LV2UI_Resize resize {};
    std::vector<LV2_Feature> features;
    std::vector<std::pair<int, int>> resizeRequests;
};

struct Session
{
    Display* display = nullptr;
    LilvWorld* world = nullptr;
    const LilvPlugin* plugin = nullptr;
    std::string pluginUri, uiUri, uiType, uiBundle, uiBinary;
    UridMap uridMap;
    LV2_URID_Map map { &uridMap, mapUri };
    Urids urids {};
    std::vector<LV2_Options_Option> options;
    std::vector<Dsp> dsps = std::vector<Dsp> (2);
    WriteQueue queue;
    SuilHost* suilHost = nullptr;
    std::vector<Ui*> openUis;
    std::vector<UiWrite> uiWrites;
    LV2_URID parameters[NumParams] {};
    // Every value each instance reported, per parameter, oldest first.
    std::vector<float> received[2][NumParams];
    int unusable = 0;  // patch:Set events that set no parameter of the plug-in
};

void writeFromUi (SuilController controller, uint32_t port, uint32_t size, uint32_t protocol, const void*)
{
    auto* ui = static_cast<Ui*> (controller);
    ui->session->uiWrites.push_back ({ ui->instance, port, size, protocol });
}

uint32_t portIndex (SuilController controller, const char* symbol)
{
    auto& session = *static_cast<Ui*> (controller)->session;
    LilvNode* node = lilv_new_string (session.world, symbol);
    const LilvPort* port = lilv_plugin_get_port_by_symbol (session.plugin, node);
    lilv_node_free (node);
    return port != nullptr ? lilv_port_get_index (session.plugin, port) : LV2UI_INVALID_PORT_INDEX;
}

int resizeParent (LV2UI_Feature_Handle handle, int width, int height)
{
    auto* ui = static_cast<Ui*> (handle);
    ui->resizeRequests.emplace_back (width, height);
    XResizeWindow (ui->session->display, ui->parent, (unsigned) width, (unsigned) height);
    XFlush (ui->session->display);
    return 0;
}

// One turn of the host's UI loop, about 30 per second, as hosts idle UIs.
void cycle (Session& s)
{
    for (auto* ui : s.openUis)
        if (ui->idle->idle (suil_instance_get_handle (ui->suil)) != 0)
            fail ("the plug-in window of instance " + std::to_string (ui->instance) + " asked to be closed");

    // Only the host's own windows' events: the plug-in reads its own X
    // connection during idle.
    while (XPending (s.display) > 0)
    {
        XEvent event;
        XNextEvent (s.display, &event);
    }

    std::vector<ParameterWrite> writes;
    {
        const std::lock_guard<std::mutex> guard (s.queue.lock);
        writes.swap (s.queue.writes);
    }

    for (const auto& w : writes)
    {
        const auto parameter = std::find (std::begin (s.parameters), std::end (s.parameters), w.property);

        if (parameter == std::end (s.parameters))
            ++s.unusable;
        else
            s.received[w.instance][parameter - std::begin (s.parameters)].push_back (w.value);

        for (auto* ui : s.openUis)
            if (ui->instance == w.instance)
                suil_instance_port_event (ui->suil, s.dsps[(size_t) w.instance].outPort,
                                          (uint32_t) w.event.size(), s.urids.eventTransfer, w.event.data());
    }

    std::this_thread::sleep_for (std::chrono::milliseconds (33));
}

template <typename Condition>
bool cycleUntil (Session& s, double seconds, Condition done)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double> (seconds);

    while (! done())
    {
        if (std::chrono::steady_clock::now() > deadline)
            return false;

        cycle (s);
    }

    return true;
}

void cycleFor (Session& s, double seconds)
{
    cycleUntil (s, seconds, [] { return false; });
}

XWindowAttributes attributesOf (Session& s, Window window)
{
    XWindowAttributes attributes {};

    if (XGetWindowAttributes (s.display, window, &attributes) == 0)
        attributes.map_state = IsUnmapped;

    return attributes;
}

std::unique_ptr<Ui> openUi (Session& s, int instance, int x, int y)
{
    auto ui = std::make_unique<Ui>();
    ui->session = &s;
    ui->instance = instance;
    ui->parent = XCreateSimpleWindow (s.display, DefaultRootWindow (s.display), x, y, 640, 480, 0, 0, 0);
    XSelectInput (s.display, ui->parent, StructureNotifyMask);
    XMapWindow (s.display, ui->parent);
    XFlush (s.display);

    ui->resize = { ui.get(), resizeParent };
    ui->features = { { LV2_URID__map, &s.map },
                     { LV2_UI__parent, reinterpret_cast<void*> ((uintptr_t) ui->parent) },
                     { LV2_UI__resize, &ui->resize },
                     { LV2_UI__idleInterface, nullptr },
                     { LV2_INSTANCE_ACCESS_URI, lilv_instance_get_handle (s.dsps[(size_t) instance].instance) },
                     { LV2_OPTIONS__options, s.options.data() } };
    std::vector<const LV2_Feature*> features;

    for (const auto& f : ui->features)
        features.push_back (&f);

    features.push_back (nullptr);

    ui->suil = suil_instance_new (s.suilHost, ui.get(), LV2_UI__X11UI, s.pluginUri.c_str(), s.uiUri.c_str(),
                                  s.uiType.c_str(), s.uiBundle.c_str(), s.uiBinary.c_str(), features.data());

    if (ui->suil == nullptr)
    {
        XDestroyWindow (s.display, ui->parent);
        return nullptr;
    }

    ui->idle = static_cast<const LV2UI_Idle_Interface*> (suil_instance_extension_data (ui->suil, LV2_UI__idleInterface));
    ui->widget = (Window) reinterpret_cast<uintptr_t> (suil_instance_get_widget (ui->suil));

    if (ui->idle == nullptr || ui->widget == 0)
    {
        suil_instance_free (ui->suil);
        XDestroyWindow (s.display, ui->parent);
        return nullptr;
    }

    s.openUis.push_back (ui.get());
    return ui;
}

void closeUi (Session& s, std::unique_ptr<Ui> ui)
{
    s.openUis.erase (std::find (s.openUis.begin(), s.openUis.end(), ui.get()));
    suil_instance_free (ui->suil);
    XDestroyWindow (s.display, ui->parent);
    XFlush (s.display);
}

// The plug-in's window, its size requests and the host's window that holds
// it, as the X server has them.
void checkWindow (Session& s, const Ui& ui, const std::string& what)
{
    const auto size = [] (int w, int h) { return std::to_string (w) + " x " + std::to_string (h); };
    const auto expected = size (windowWidth, windowHeight);
    const auto widget = attributesOf (s, ui.widget);
    const auto parent = attributesOf (s, ui.parent);

    if (size (widget.width, widget.height) != expected)
        fail (what + ": the plug-in's X window is " + size (widget.width, widget.height) + ", not " + expected);

    if (ui.resizeRequests.empty())
        fail (what + ": no ui:resize request");

    for (const auto& r : ui.resizeRequests)
        if (size (r.first, r.second) != expected)
            fail (what + ": ui:resize asked for " + size (r.first, r.second) + ", not " + expected);

    if (size (parent.width, parent.height) != expected)
        fail (what + ": the host's window was resized to " + size (parent.width, parent.height) + ", not " + expected);
}

// Opens a window and waits until the X server shows it, then a few idle
// turns more so that it is painted.
std::unique_ptr<Ui> showUi (Session& s, int instance, int x, int y, const std::string& what)
{
    auto ui = openUi (s, instance, x, y);

    if (ui == nullptr)
    {
        fail (what + ": suil could not open the plug-in window");
        return nullptr;
    }

    if (! cycleUntil (s, 20.0, [&] { return attributesOf (s, ui->widget).map_state == IsViewable; }))
        fail (what + ": the plug-in window did not show within 20 s");

    for (int i = 0; i < 5; ++i)
        cycle (s);

    return ui;
}

// A left click through the X server at the window's coordinates. xdotool
// runs without the sanitizer's preload, which is meant for this program.
bool click (Session& s, Window window, int x, int y)
{
    int rootX = 0, rootY = 0;
    Window child = 0;
    XTranslateCoordinates (s.display, window, DefaultRootWindow (s.display), x, y, &rootX, &rootY, &child);

    std::vector<char*> env;

    for (char** e = environ; *e != nullptr; ++e)
        if (std::strncmp (*e, "LD_PRELOAD=", 11) != 0)
            env.push_back (*e);

    env.push_back (nullptr);
    const auto xs = std::to_string (rootX), ys = std::to_string (rootY);
    const char* args[] = { "xdotool", "mousemove", xs.c_str(), ys.c_str(), "click", "1", nullptr };
    pid_t pid = 0;

    if (posix_spawnp (&pid, "xdotool", nullptr, nullptr, const_cast<char**> (args), env.data()) != 0)
        return false;

    int status = 0;
    pid_t ended = 0;

    while ((ended = waitpid (pid, &status, WNOHANG)) == 0)
        cycle (s);

    return ended == pid && WIFEXITED (status) && WEXITSTATUS (status) == 0;
}

bool sameBits (float a, float b)
{
    return std::memcmp (&a, &b, sizeof (float)) == 0;
}

// Whether, since `marks`, the instance reported every parameter and the last
// value of each is the preset's.
bool holdsPreset (const Session& s, int instance, const size_t (&marks)[NumParams], const float* preset)
{
    for (int p = 0; p < NumParams; ++p)
    {
        const auto& values = s.received[instance][p];

        if (values.size() <= marks[p] || ! sameBits (values.back(), preset[p]))
            return false;
    }

    return true;
}

const float* factoryPreset (const char* name)
{
    for (int row = 0; row < FactoryPresetCount; ++row)
        if (std::strcmp (FactoryPresetNames[row], name) == 0)
            return FactoryPresetData[row];

    fail (std::string ("no factory preset ") + name);
    return nullptr;
}

void clickNextAndExpect (Session& s, const Ui& ui, const char* presetName)
{
    const float* preset = factoryPreset (presetName);

    if (preset == nullptr)
        return;

    size_t marks[NumParams];

    for (int p = 0; p < NumParams; ++p)
        marks[p] = s.received[ui.instance][p].size();

    if (! click (s, ui.widget, nextX, nextY))
    {
        fail ("xdotool could not click");
        return;
    }

    if (cycleUntil (s, 10.0, [&] { return holdsPreset (s, ui.instance, marks, preset); }))
        return;

    fail (std::string ("\">\" did not report the values of ") + presetName + " within 10 s:");

    for (int p = 0; p < NumParams; ++p)
    {
        const auto& values = s.received[ui.instance][p];
        std::fprintf (stderr, "  %-12s %zu writes since the click, last %.9g, expected %.9g\n", ParamNames[p],
                      values.size() - marks[p], values.empty() ? -1.0 : (double) values.back(),
                      (double) preset[p]);
    }
}

std::string fileOf (const LilvNode* uri)
{
    char* path = lilv_file_uri_parse (lilv_node_as_uri (uri), nullptr);
    std::string result = path != nullptr ? path : "";
    lilv_free (path);
    return result;
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

// The URIDs of the 20 parameters, found by their labels as a host shows
// them. Over a range of 0 to 1 the value a patch:Set carries is the
// normalised value the preset table holds.
void findParameters (Session& s)
{
    LilvNode* writable = lilv_new_uri (s.world, LV2_PATCH__writable);
    LilvNode* label = lilv_new_uri (s.world, LILV_NS_RDFS "label");
    LilvNode* minimum = lilv_new_uri (s.world, LV2_CORE__minimum);
    LilvNode* maximum = lilv_new_uri (s.world, LV2_CORE__maximum);
    LilvNodes* found = lilv_world_find_nodes (s.world, lilv_plugin_get_uri (s.plugin), writable, nullptr);

    LILV_FOREACH (nodes, i, found)
    {
        const LilvNode* parameter = lilv_nodes_get (found, i);
        LilvNode* name = lilv_world_get (s.world, parameter, label, nullptr);
        LilvNode* low = lilv_world_get (s.world, parameter, minimum, nullptr);
        LilvNode* high = lilv_world_get (s.world, parameter, maximum, nullptr);
        const std::string uri = lilv_node_as_uri (parameter);

        for (int p = 0; p < NumParams; ++p)
            if (name != nullptr && std::strcmp (lilv_node_as_string (name), ParamNames[p]) == 0)
                s.parameters[p] = mapUri (&s.uridMap, uri.c_str());

        if (low == nullptr || high == nullptr || lilv_node_as_float (low) != 0.0f || lilv_node_as_float (high) != 1.0f)
            fail ("parameter " + uri + " does not range from 0 to 1");

        lilv_node_free (name);
        lilv_node_free (low);
        lilv_node_free (high);
    }

    if (lilv_nodes_size (found) != NumParams)
        fail ("the plug-in has " + std::to_string (lilv_nodes_size (found)) + " writable parameters");

    for (int p = 0; p < NumParams; ++p)
        if (s.parameters[p] == 0)
            fail (std::string ("no writable parameter labelled ") + ParamNames[p]);

    lilv_nodes_free (found);
    lilv_node_free (writable);
    lilv_node_free (label);
    lilv_node_free (minimum);
    lilv_node_free (maximum);
}

// Gives every port a buffer: silence in, an empty event sequence in, room
// for the plug-in's events out, and the default of every control input.
bool instantiate (Session& s, Dsp& dsp)
{
    const LV2_Feature mapFeature { LV2_URID__map, &s.map };
    const LV2_Feature optionsFeature { LV2_OPTIONS__options, s.options.data() };
    const LV2_Feature bounded { LV2_BUF_SIZE__boundedBlockLength, nullptr };
    const LV2_Feature* features[] { &mapFeature, &optionsFeature, &bounded, nullptr };

    dsp.instance = lilv_plugin_instantiate (s.plugin, sampleRate, features);

    if (dsp.instance == nullptr)
        return false;

    LilvNode* audioPort = lilv_new_uri (s.world, LV2_CORE__AudioPort);
    LilvNode* controlPort = lilv_new_uri (s.world, LV2_CORE__ControlPort);
    LilvNode* atomPort = lilv_new_uri (s.world, LV2_ATOM__AtomPort);
    LilvNode* input = lilv_new_uri (s.world, LV2_CORE__InputPort);
    const auto count = lilv_plugin_get_num_ports (s.plugin);
    dsp.audio.resize (count);
    dsp.controls.resize (count, 0.0f);
    dsp.atomIn.assign (atomBytes / sizeof (uint64_t), 0);
    dsp.atomOut.assign (atomBytes / sizeof (uint64_t), 0);
    bool ok = true;

    for (uint32_t p = 0; p < count; ++p)
    {
        const LilvPort* port = lilv_plugin_get_port_by_index (s.plugin, p);
        const bool isInput = lilv_port_is_a (s.plugin, port, input);

        if (lilv_port_is_a (s.plugin, port, audioPort))
        {
            dsp.audio[p].assign (blockSize, 0.0f);
            lilv_instance_connect_port (dsp.instance, p, dsp.audio[p].data());
        }
        else if (lilv_port_is_a (s.plugin, port, atomPort))
        {
            if (! isInput)
                dsp.outPort = p;

            lilv_instance_connect_port (dsp.instance, p, isInput ? dsp.atomIn.data() : dsp.atomOut.data());
        }
        else if (lilv_port_is_a (s.plugin, port, controlPort))
        {
            LilvNode* byDefault = nullptr;
            lilv_port_get_range (s.plugin, port, &byDefault, nullptr, nullptr);
            dsp.controls[p] = byDefault != nullptr ? lilv_node_as_float (byDefault) : 0.0f;
            lilv_node_free (byDefault);
            lilv_instance_connect_port (dsp.instance, p, &dsp.controls[p]);
        }
        else
        {
            fail ("port " + std::to_string (p) + " is of a kind this host does not know");
            ok = false;
        }
    }

    lilv_node_free (audioPort);
    lilv_node_free (controlPort);
    lilv_node_free (atomPort);
    lilv_node_free (input);
    lilv_instance_activate (dsp.instance);
    return ok;
}

void runSession (Session& s)
{
    std::atomic<bool> stopAudio { false };
    std::thread audio (runAudio, std::ref (s.dsps), std::cref (s.urids), std::ref (s.queue), std::cref (stopAudio));

    if (auto kept = showUi (s, 1, 0, 0, "the window kept open"))
    {
        checkWindow (s, *kept, "the window kept open");

        for (int i = 0; i < 50 && ! failed; ++i)
        {
            const auto what = "opening " + std::to_string (i + 1) + " of the other window";

            if (auto ui = showUi (s, 0, 0, 400, what))
            {
                checkWindow (s, *ui, what);
                closeUi (s, std::move (ui));
            }
        }

        // The window left open outlived fifty others and still works.
        cycleFor (s, 0.2);
        checkWindow (s, *kept, "the window kept open, at the end");

        if (! failed)
        {
            clickNextAndExpect (s, *kept, "INIT");
            // Far enough apart not to count as a double-click.
            cycleFor (s, 0.6);
            clickNextAndExpect (s, *kept, "TIGHT WIDE");
            // Nothing further may follow the preset.
            cycleFor (s, 0.5);
            size_t none[NumParams] {};
            const float* tightWide = factoryPreset ("TIGHT WIDE");

            if (tightWide != nullptr && ! holdsPreset (s, kept->instance, none, tightWide))
                fail ("a later write changed TIGHT WIDE's values");
        }

        closeUi (s, std::move (kept));
    }

    stopAudio = true;
    audio.join();

    for (const auto& values : s.received[0])
        if (! values.empty())
            fail ("the instance that was not clicked reported parameter writes");

    if (s.unusable != 0)
        fail (std::to_string (s.unusable) + " patch:Set events named no parameter of the plug-in or carried no float");

    std::printf ("the UIs' write function received %zu calls\n", s.uiWrites.size());

    for (const auto& w : s.uiWrites)
        std::printf ("  instance %d: port %u, %u bytes, protocol %u\n", w.instance, w.port, w.size, w.protocol);
}
} // namespace

int main (int argc, char** argv)
{
    if (argc != 3)
    {
        std::fprintf (stderr, "usage: %s BUNDLE_DIR PLUGIN_URI\n", argv[0]);
        return 2;
    }

    // The host's and the plug-in's X connections are used from more than
    // one thread; Xlib must know before its first call.
    XInitThreads();
    suil_init (&argc, &argv, SUIL_ARG_NONE);
    installTolerantXErrorHandler();

    Session s;
    s.display = XOpenDisplay (nullptr);

    if (s.display == nullptr)
    {
        std::fprintf (stderr, "FAIL: no X display\n");
        return 1;
    }

    const auto map = [&] (const char* uri) { return mapUri (&s.uridMap, uri); };
    s.urids = { map (LV2_ATOM__Chunk), map (LV2_ATOM__Sequence), map (LV2_ATOM__Object), map (LV2_ATOM__URID),
                map (LV2_ATOM__Float), map (LV2_ATOM__Int), map (LV2_ATOM__eventTransfer), map (LV2_PATCH__Set),
                map (LV2_PATCH__property), map (LV2_PATCH__value), map (LV2_BUF_SIZE__maxBlockLength),
                map (LV2_PARAMETERS__sampleRate) };
    const int32_t maxBlock = blockSize;
    const float rate = sampleRate;
    s.options = { { LV2_OPTIONS_INSTANCE, 0, s.urids.maxBlockLength, sizeof (maxBlock), s.urids.atomInt, &maxBlock },
                  { LV2_OPTIONS_INSTANCE, 0, s.urids.paramSampleRate, sizeof (rate), s.urids.atomFloat, &rate },
                  { LV2_OPTIONS_INSTANCE, 0, 0, 0, 0, nullptr } };

    s.world = lilv_world_new();
    s.pluginUri = argv[2];
    const std::string bundleDir = std::string (argv[1]) + "/";
    LilvNode* bundle = lilv_new_file_uri (s.world, nullptr, bundleDir.c_str());
    LilvNode* pluginUri = lilv_new_uri (s.world, s.pluginUri.c_str());
    lilv_world_load_bundle (s.world, bundle);
    s.plugin = lilv_plugins_get_by_uri (lilv_world_get_all_plugins (s.world), pluginUri);

    if (s.plugin == nullptr)
        fail ("lilv found no " + s.pluginUri + " in " + bundleDir);
    else if (! findUi (s))
        fail ("the plug-in has no X11 UI that suil embeds directly");
    else if (! instantiate (s, s.dsps[0]) || ! instantiate (s, s.dsps[1]))
        fail ("the plug-in could not be instantiated");
    else
        findParameters (s);

    if (! failed)
    {
        s.suilHost = suil_host_new (writeFromUi, portIndex, nullptr, nullptr);
        runSession (s);
        suil_host_free (s.suilHost);
    }

    for (auto& dsp : s.dsps)
    {
        if (dsp.instance != nullptr)
        {
            lilv_instance_deactivate (dsp.instance);
            lilv_instance_free (dsp.instance);
        }
    }

    lilv_node_free (pluginUri);
    lilv_node_free (bundle);
    lilv_world_free (s.world);
    XCloseDisplay (s.display);

    std::printf (failed ? "lv2 hosted window test: FAILED\n" : "lv2 hosted window test: passed\n");
    return failed ? 1 : 0;
}
