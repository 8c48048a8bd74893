// Reads the plug-in state that the standalone app saved into its settings
// file and compares it, bit for bit, with a factory preset:
//
//     standalone_saved_state_check SETTINGS_FILE "PRESET NAME"
//
// Prints every parameter that differs and exits non-zero when the state is
// missing, has the wrong size or differs.

#include "FactoryPresets.h"
#include "ParameterTable.h"

#include <juce_data_structures/juce_data_structures.h>

#include <cstring>
#include <iostream>

int main (int argc, char** argv)
{
    if (argc != 3)
    {
        std::cerr << "usage: " << argv[0] << " SETTINGS_FILE \"PRESET NAME\"\n";
        return 2;
    }

    const juce::String presetName (argv[2]);
    int preset = 0;

    while (preset < FactoryPresetCount && presetName != FactoryPresetNames[preset])
        ++preset;

    if (preset == FactoryPresetCount)
    {
        std::cerr << "no factory preset named \"" << argv[2] << "\"\n";
        return 2;
    }

    const juce::File file (juce::File::getCurrentWorkingDirectory().getChildFile (argv[1]));
    juce::PropertiesFile settings (file, juce::PropertiesFile::Options());
    juce::MemoryBlock chunk;

    // The standalone app keeps the processor's state under this key.
    if (! chunk.fromBase64Encoding (settings.getValue ("filterState")))
    {
        std::cerr << file.getFullPathName() << " holds no saved plug-in state:\n" << file.loadFileAsString() << "\n";
        return 1;
    }

    if (chunk.getSize() != sizeof (FactoryPresetData[preset]))
    {
        std::cerr << "the saved state has " << chunk.getSize() << " bytes, not " << sizeof (FactoryPresetData[preset]) << "\n";
        return 1;
    }

    int differences = 0;

    for (int i = 0; i < FactoryPresetValueCount; ++i)
    {
        float saved = 0.0f;
        std::memcpy (&saved, static_cast<const char*> (chunk.getData()) + 4 * i, 4);

        if (std::memcmp (&saved, &FactoryPresetData[preset][i], 4) != 0)
        {
            std::cerr << ParamNames[i] << " is " << saved << ", \"" << argv[2] << "\" has " << FactoryPresetData[preset][i] << "\n";
            ++differences;
        }
    }

    if (differences == 0)
        std::cout << "the saved state holds the " << FactoryPresetValueCount << " values of \"" << argv[2] << "\"\n";

    return differences == 0 ? 0 : 1;
}
