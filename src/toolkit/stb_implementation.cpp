// The one translation unit that compiles the stb libraries' bodies; built without our warning
// flags because the upstream code does not pass them.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_NO_STDIO
#define STBI_ONLY_PNG
#define STBI_ONLY_JPEG
#define STBI_ONLY_BMP
#define STBI_ONLY_GIF
#include <stb/stb_image.h>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb/stb_image_write.h>

#define STB_TRUETYPE_IMPLEMENTATION
#include <stb/stb_truetype.h>
