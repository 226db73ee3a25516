#include "app/desktop/SoundLineWords.h"

#include <array>
#include <utility>

#include "app/CommandLineScan.h"
#include "res/resource.h"

SoundWords SoundLineWords() {
    static constexpr auto kTable = std::to_array<std::pair<UINT, std::string SoundWords::*>>({
        {IDS_SOUND_OFF, &SoundWords::off},
        {IDS_SOUND_ON, &SoundWords::sound},
        {IDS_SOUND_SYNTH_IDLE, &SoundWords::synthIdle},
        {IDS_SOUND_NONE_BECAUSE, &SoundWords::noSoundBecause},
        {IDS_SOUND_UNTIL_CONNECTED, &SoundWords::untilConnected},
        {IDS_SOUND_CONNECT, &SoundWords::connect},
        {IDS_SOUND_THEN, &SoundWords::then},
        {IDS_SOUND_EITHER, &SoundWords::either},
        {IDS_SOUND_SYNTH_ON, &SoundWords::synthOn},
        {IDS_SOUND_NO_AUDIO, &SoundWords::noAudio},
        {IDS_SOUND_NO_ANSWER, &SoundWords::noAnswer},
        {IDS_SOUND_LOST_AUDIO, &SoundWords::lostAudio},
        {IDS_SOUND_NO_AUDIO_REMEDY, &SoundWords::noAudioRemedy},
        {IDS_SOUND_NO_SOUNDFONT, &SoundWords::noSoundfont},
        {IDS_SOUND_NO_SOUNDFONT_REMEDY, &SoundWords::noSoundfontRemedy},
        {IDS_SOUND_NOT_A_FILE, &SoundWords::notAFile},
        {IDS_SOUND_UNREADABLE, &SoundWords::unreadable},
        {IDS_SOUND_NOT_A_SOUNDFONT, &SoundWords::notASoundfont},
        {IDS_SOUND_NOT_WHOLE, &SoundWords::notWhole},
        {IDS_SOUND_DOES_NOT_LOAD, &SoundWords::doesNotLoad},
        {IDS_SOUND_DOES_NOT_LOAD_BECAUSE, &SoundWords::doesNotLoadBecause},
        {IDS_SOUND_LOAD_TOO_LONG, &SoundWords::loadTooLong},
        {IDS_SOUND_NO_PORT, &SoundWords::noPort},
        {IDS_SOUND_NO_SEQUENCER, &SoundWords::noSequencer},
        {IDS_SOUND_PORT, &SoundWords::port},
        {IDS_SOUND_CONNECTED_TO, &SoundWords::connectedTo},
    });
    SoundWords words;
    for (const auto& [id, member] : kTable) {
        words.*member = FillIn(id);
    }
    return words;
}
