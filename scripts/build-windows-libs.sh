#!/bin/sh
# Builds the libraries the game needs on 64-bit Windows (x86_64-w64-mingw32, static): zlib and
# libpng, then wxWidgets. Each is built once into a cache outside the work tree and found there
# again while its version, compiler and options stay the same. Prints the install prefixes, one
# a line, for the toolchain file's TOBRIX_WINDOWS_LIBS.
# The sources are Debian's own packages, fetched through a private sources list so that the
# machine's apt set-up is left as it is. Debian removed wx's bundled libraries from its source;
# wx needs none of them here (the game hands it pixels, never image files).
set -eu

host=x86_64-w64-mingw32
cc=$host-gcc-posix
cxx=$host-g++-posix
cache=${XDG_CACHE_HOME:-$HOME/.cache}/tobrix
jobs=${JOBS:-$(nproc)}
mkdir -p "$cache/source"

# A short key for what makes a build differ.
key() {
    printf '%s %s' "$($cxx -dumpfullversion)" "$*" | sha256sum | cut -c1-12
}

# Downloads Debian's source package $1 (unless done) and prints its upstream tarball.
fetch() {
    dir=$cache/source/$1
    found=$(ls "$dir"/*.orig.tar.* 2>/dev/null | grep -v '\.asc$' | head -n1 || true)
    if [ -z "$found" ]; then
        apt="$cache/source/apt"
        mkdir -p "$apt/sources.list.d" "$apt/lists/partial" "$dir"
        # The same archive as the machine's own packages.
        uris=$(sed -n 's/^URIs: *//p' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -n1)
        cat >"$apt/sources.list.d/tobrix-source.sources" <<EOF
Types: deb-src
URIs: ${uris:-http://deb.debian.org/debian}
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
        options="-o Dir::Etc::sourcelist=/dev/null -o Dir::Etc::sourceparts=$apt/sources.list.d
            -o Dir::State::Lists=$apt/lists -o Dir::Cache=$apt/cache"
        echo "Fetching the source of $1 from Debian's archive" >&2
        [ -f "$apt/lists/.fresh" ] || { apt-get -q $options update >&2 && touch "$apt/lists/.fresh"; }
        (cd "$dir" && apt-get -q $options source --download-only "$1" >&2)
        found=$(ls "$dir"/*.orig.tar.* | grep -v '\.asc$' | head -n1)
    fi
    echo "$found"
}

# Unpacks tarball $1 into a fresh folder $2.
unpack() {
    rm -rf "$2"
    mkdir -p "$2"
    tar -xf "$1" -C "$2" --strip-components=1
}

# zlib and libpng, into one prefix.
png_key=$(key zlib libpng static)
png=$cache/png-win64-$png_key
if [ ! -f "$png/.complete" ]; then
    rm -rf "$png"
    work=$cache/build-png-$png_key
    echo "Building zlib and libpng for Windows in $work" >&2
    unpack "$(fetch zlib)" "$work/zlib"
    (cd "$work/zlib" && CHOST=$host CC="$cc" AR=$host-ar RANLIB=$host-ranlib \
        ./configure --static --prefix="$png" >&2)
    make -C "$work/zlib" -j "$jobs" install >&2
    unpack "$(fetch libpng1.6)" "$work/libpng"
    (cd "$work/libpng" && ./configure --host=$host CC="$cc" --disable-shared --prefix="$png" \
        CPPFLAGS="-I$png/include" LDFLAGS="-L$png/lib" >configure.log 2>&1) || {
        tail -n 30 "$work/libpng/configure.log" >&2
        exit 1
    }
    make -C "$work/libpng" -j "$jobs" install >&2
    touch "$png/.complete"
    rm -rf "$work"
fi

if [ "${1:-}" = png ]; then
    echo "$png"
    exit 0
fi

# wxWidgets, without every part the game does not use.
version=3.2.2
options="CC=$cc CXX=$cxx
    --host=$host --with-msw --disable-shared --enable-cxx11
    --without-libpng --without-libjpeg --without-libtiff --without-zlib --without-expat
    --without-regex --without-liblzma --without-opengl --disable-svg --disable-xrc --disable-html
    --disable-webview --disable-mediactrl --disable-stc --disable-richtext --disable-aui
    --disable-propgrid --disable-ribbon"
wx_key=$(printf '%s %s %s' "$version" "$($cxx -dumpfullversion)" "$options" | sha256sum | cut -c1-12)
wx=$cache/wx-$version-win64-$wx_key
if [ ! -f "$wx/.complete" ]; then
    rm -rf "$wx"
    work=$cache/build-wx-$version-$wx_key
    tarball=$(fetch wxwidgets3.2)
    case $tarball in
    *"_$version+"*) ;;
    *) echo "build-windows-libs.sh: $tarball is not wxWidgets $version" >&2; exit 1 ;;
    esac
    echo "Building wxWidgets $version for Windows in $work (some ten minutes on two cores)" >&2
    unpack "$tarball" "$work"
    mkdir "$work/build-msw"
    # shellcheck disable=SC2086 # the options are words
    (cd "$work/build-msw" && ../configure $options --prefix="$wx" >configure.log 2>&1) || {
        tail -n 30 "$work/build-msw/configure.log" >&2
        exit 1
    }
    make -C "$work/build-msw" -j "$jobs" >&2
    make -C "$work/build-msw" install >&2
    touch "$wx/.complete"
    rm -rf "$work"
fi

echo "$png"
echo "$wx"
