// The compiled resources go into the object as they are, through the assembler's .incbin:
// spelling 12 MB out as a C++ literal cost a first build half a minute of one core.
#include "res/EmbeddedResources.h"

extern "C" const std::uint8_t canzet_embedded_resources[];
extern "C" const std::uint8_t canzet_embedded_resources_end[];

asm(".pushsection .rodata\n"
    ".balign 4\n"
    ".globl canzet_embedded_resources\n"
    ".hidden canzet_embedded_resources\n"
    "canzet_embedded_resources:\n"
    ".incbin \"" CANZET_COMPILED_RESOURCES
    "\"\n"
    ".globl canzet_embedded_resources_end\n"
    ".hidden canzet_embedded_resources_end\n"
    "canzet_embedded_resources_end:\n"
    ".popsection\n");

std::span<const std::uint8_t> EmbeddedResourceBytes() {
    return {canzet_embedded_resources, canzet_embedded_resources_end};
}
