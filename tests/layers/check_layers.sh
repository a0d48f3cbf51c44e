#!/usr/bin/env bash
# The layers keep their order. A source includes only its own folder and
# the folders below it (geometry, then plot, then the rooms of ui, then
# app), and geometry includes no Qt at all; each layer's library links only
# the libraries below it and the Qt modules its layer may use. A test
# folder may include what the layer it tests may include, and the tests'
# own headers; geometry/private/ is geometry's alone. Prints each breach.
# Usage: check_layers.sh SOURCE_DIR LAYER_LINKS
# LAYER_LINKS: lines of "FOLDER TARGET LINKED..." (the build writes them).
set -uo pipefail
source=$1
links=$2
failed=0

# What a folder may include and link: itself and what lies below it. A room
# of ui is not below another unless named here: the exports and the About
# window stand on the widgets alone.
declare -A below=(
    [geometry]="geometry"
    [plot]="geometry plot"
    [ui/widgets]="geometry plot ui/widgets"
    [ui/exports]="geometry plot ui/widgets ui/exports"
    [ui/about]="geometry plot ui/widgets ui/about"
    [ui/flow]="geometry plot ui/widgets ui/exports ui/flow"
    [ui/main_window]="geometry plot ui/widgets ui/exports ui/about ui/flow ui/main_window"
    [ui/translations]="ui/translations"
    [app]="geometry plot ui/widgets ui/exports ui/about ui/flow ui/main_window ui/translations app"
)
# The Qt modules each folder's library may link.
widgets_qt="Qt6::Core Qt6::Gui Qt6::Widgets"
declare -A qt_modules=(
    [geometry]=""
    [plot]="Qt6::Core Qt6::Gui Qt6::Svg"
    [ui/widgets]=$widgets_qt
    [ui/exports]=$widgets_qt
    [ui/about]=$widgets_qt
    [ui/flow]=$widgets_qt
    [ui/main_window]=$widgets_qt
    [ui/translations]="Qt6::Core"
    [app]=$widgets_qt
)

breach() {
    echo "FAIL: $*"
    failed=$((failed + 1))
}

contains() { # contains LIST WORD
    [[ " $1 " == *" $2 "* ]]
}

# Sets `layer` to the layer a path lies in, such as ui/widgets for
# ui/widgets/plot_pane.h; to nothing for a path in no layer.
layer_of() {
    case $1 in
    geometry/* | plot/* | app/*) layer=${1%%/*} ;;
    ui/*/*)
        layer=${1#ui/}
        layer=ui/${layer%%/*}
        ;;
    *) layer="" ;;
    esac
}

# Sets `allowed` to what the sources of a file may include.
allowed_for() {
    case $1 in
    tests/support/*) allowed="tests" ;;
    tests/*)
        layer_of "${1#tests/}"
        [ -z "$layer" ] && layer=app # tests/app, tests/layers: the whole program
        allowed="${below[$layer]} tests"
        ;;
    bench/*) allowed="${below[app]} tests" ;;
    fuzz/*) allowed="geometry plot fuzz" ;;
    *)
        layer_of "$1"
        allowed=${below[$layer]}
        ;;
    esac
}

cd "$source" || exit 1
folders=(geometry plot ui app tests bench fuzz)
include='^[[:space:]]*#[[:space:]]*include[[:space:]]*'
while IFS= read -r file; do
    layer_of "$file"
    if [[ $file == ui/* && -z $layer ]] || [[ -n $layer && -z ${below[$layer]+set} ]]; then
        breach "$file lies in no layer of this check"
    fi
done < <(find "${folders[@]}" -type f \( -name '*.cpp' -o -name '*.h' \))

while IFS= read -r line; do
    file=${line%%:*}
    included=${line#*:}
    included=${included#*\"}
    included=${included%%\"*}
    allowed_for "$file"
    layer_of "$included"
    case $included in
    tests/*) layer=tests ;;
    fuzz/*) layer=fuzz ;;
    esac
    if [[ $included == */* && -z $layer ]]; then
        breach "$file includes \"$included\", which lies in no layer"
    elif [ -n "$layer" ] && ! contains "$allowed" "$layer"; then
        breach "$file includes \"$included\": $layer is not below the folder of $file"
    fi
done < <(grep -rHE --include='*.cpp' --include='*.h' "$include\"" "${folders[@]}")

# The measurement's internals are geometry's own: only geometry and its
# tests reach into geometry/private/.
while IFS= read -r line; do
    breach "${line%%:*} includes a private part of geometry"
done < <(grep -rHE --include='*.cpp' --include='*.h' "$include\"geometry/private/" \
    plot ui app bench fuzz tests/plot tests/ui tests/app tests/support)

while IFS= read -r file; do
    breach "$file includes Qt, which geometry does without"
done < <(grep -rlE --include='*.cpp' --include='*.h' "$include<Q" geometry)

declare -A folder_of_target=()
while read -r folder target _; do
    folder_of_target[$target]=$folder
done <"$links"
while read -r folder target linked; do
    if [ -z "${below[$folder]+set}" ]; then
        breach "$target is the library of $folder, which is not a layer of this check"
        continue
    fi
    for library in $linked; do
        if [ -n "${folder_of_target[$library]+set}" ]; then
            contains "${below[$folder]}" "${folder_of_target[$library]}" ||
                breach "$target ($folder) links $library (${folder_of_target[$library]}), which is not below it"
        elif [[ $library == Qt6::* ]]; then
            contains "${qt_modules[$folder]}" "$library" ||
                breach "$target ($folder) links $library, which $folder does without"
        elif [ "$library" = Threads::Threads ]; then
            # The standard library's threads: any layer may use them.
            :
        elif [ "$library" = X11::xcb ]; then
            # The program hands the clipboard to the X clipboard manager as it ends.
            [ "$folder" = app ] || breach "$target ($folder) links $library, which only app may"
        elif [ "$library" != wingmap_version ]; then
            breach "$target ($folder) links $library, which this check does not know"
        fi
    done
done <"$links"

if [ "$failed" -eq 0 ]; then
    echo "1 passed, 0 failed"
    exit 0
fi
echo "0 passed, 1 failed"
exit 1
