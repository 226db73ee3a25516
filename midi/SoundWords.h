// The words of the lines the sound devices say of themselves. The defaults are English; a
// program in another language hands the devices its own, with the same %s in each.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

struct SoundWords {
    // The line as a whole.
    std::string off = "sound: off";
    std::string sound = "sound: %s";
    std::string synthIdle = "built-in synth idle";
    std::string noSoundBecause = "no sound: %s";
    std::string untilConnected = "no sound until a synth is connected to %s";
    std::string connect = "connect a synth to %s";
    std::string then = "; ";
    std::string either = " or ";
    // The built-in synthesizer.
    std::string synthOn = "built-in synth (%s) on %s, %s buffer";
    std::string noAudio = "no audio output (%s)";
    std::string noAnswer = "no answer within %s";
    std::string lostAudio = "the audio output (%s) went away; trying again every second";
    std::string noAudioRemedy = "start the desktop's sound server";
    std::string noSoundfont = "no soundfont at %s";
    std::string noSoundfontRemedy = "install a General MIDI soundfont (fluid-soundfont-gm)";
    std::string notAFile = "%s is not a file";
    std::string unreadable = "cannot read %s (%s)";
    std::string notASoundfont = "%s is not a soundfont";
    std::string notWhole = "%s is not a whole soundfont";
    std::string doesNotLoad = "%s does not load";
    std::string doesNotLoadBecause = "%s does not load (%s)";
    std::string loadTooLong = "%s did not load within %s";
    // The sequencer port.
    std::string noPort = "no MIDI port (%s)";
    std::string noSequencer = "no ALSA sequencer";
    std::string port = "MIDI port %s";
    std::string connectedTo = "%s, connected to %s";
};

// The words with each %s in turn replaced by the next value; values are not read for %s.
std::string SayWith(std::string_view words, std::initializer_list<std::string_view> values);
