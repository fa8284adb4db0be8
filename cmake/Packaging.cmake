# Desktop integration and the Debian package.
#
# The program finds its jukebox database in its own folder. Installed, that folder is
# libexec/velmora-versetta, which is not writable for users, so the database lives in
# VELMORA_DATABASE_DIR and a symlink in the program's folder points at it. SQLite resolves
# symlinks before naming its journal, so the journal is made beside the real file.

set(VELMORA_APP_ID org.velmora.Versetta)
set(VELMORA_DATABASE_DIR "${CMAKE_INSTALL_FULL_LOCALSTATEDIR}/lib/velmora-versetta"
    CACHE PATH "Folder of the installed jukebox database (made by the Debian package)")

set(velmora_program_dir "${CMAKE_INSTALL_LIBEXECDIR}/velmora-versetta")
set(velmora_links "${CMAKE_CURRENT_BINARY_DIR}/packaging/links")

# Symlinks are made in the build tree and installed as they are: install(FILES) copies a
# symlink as a symlink, and CPack picks them up like any other file.
file(RELATIVE_PATH velmora_program_from_bin
    "${CMAKE_INSTALL_FULL_BINDIR}" "${CMAKE_INSTALL_FULL_LIBEXECDIR}/velmora-versetta/velmora-versetta")
file(MAKE_DIRECTORY "${velmora_links}/bin" "${velmora_links}/program")
file(CREATE_LINK "${velmora_program_from_bin}" "${velmora_links}/bin/velmora-versetta" SYMBOLIC)
file(CREATE_LINK "${VELMORA_DATABASE_DIR}/Velmora81.mdb" "${velmora_links}/program/Velmora81.mdb"
    SYMBOLIC)

install(FILES "${velmora_links}/bin/velmora-versetta" DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES "${velmora_links}/program/Velmora81.mdb" DESTINATION ${velmora_program_dir})

install(FILES packaging/${VELMORA_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/${VELMORA_APP_ID}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES packaging/${VELMORA_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES packaging/copyright
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/velmora-versetta)

# tools/ installs the setup tool; without it the package could not make the database.
if(NOT TARGET velmora-dbsetup)
    message(STATUS "velmora-dbsetup is not part of this tree: the Debian package's "
                   "postinst will find no tool to create the jukebox database")
endif()

# Maintainer scripts: postinst creates the database when it is missing, postrm removes it
# on purge.
set(velmora_dbsetup "${CMAKE_INSTALL_FULL_BINDIR}/velmora-dbsetup")
configure_file(packaging/postinst.in "${CMAKE_CURRENT_BINARY_DIR}/packaging/postinst" @ONLY
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                     WORLD_READ WORLD_EXECUTE)
configure_file(packaging/postrm.in "${CMAKE_CURRENT_BINARY_DIR}/packaging/postrm" @ONLY
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                     WORLD_READ WORLD_EXECUTE)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora-versetta)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Velmora Versetta developers")
set(CPACK_PACKAGE_CONTACT "Velmora Versetta developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# One string: CPack keeps the line breaks, and a list would show its ";" separators.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Velmora Versetta stamps every lyric line of a song with the second at which\n"
    "it is sung. It opens MP3, FLAC, Ogg Vorbis, Opus, M4A (AAC and ALAC) and WAV\n"
    "songs, reads the lyrics from a synchronized lyrics file beside the song, from\n"
    "the song's own tag (ID3v2, Vorbis comments or the MP4 lyrics item) or from\n"
    "typed or pasted text, plays the song, and writes the synchronized lyrics file\n"
    "beside it.\n"
    "\n"
    "The jukebox database the program previews lyrics in is created in\n"
    "${VELMORA_DATABASE_DIR} when the package is installed.")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_PACKAGING_INSTALL_PREFIX "${CMAKE_INSTALL_PREFIX}")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Velmora Versetta developers")
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps finds every linked library, in the program, the tools and the media module
# (velmora-media.so: libmpv, FFmpeg, pocketsphinx, sphinxbase, espeak-ng, aubio).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What it cannot see: Qt loads its SQLite driver (and SQLite with it) as a plugin; the speech
# model and espeak-ng's voices are data files the module opens by name.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, pocketsphinx-en-us, espeak-ng-data")
# Lyrics come in every script; without these, CJK lines and most emoji show as empty boxes.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk, fonts-noto-color-emoji")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    "${CMAKE_CURRENT_BINARY_DIR}/packaging/postinst"
    "${CMAKE_CURRENT_BINARY_DIR}/packaging/postrm")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
