# Shared by the install tests (sourced): failing with a reason, and a mailing printed by a
# veltora-batch that has to find its own data.

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# A scratch folder of the test's own, empty at the start.
fresh_dir() {
    rm -rf "$1"
    mkdir -p "$1"
}

# print_mailing BATCH SCRATCH: prints three recipients of a tab-separated table into
# SCRATCH/mailing.pdf with the working directory SCRATCH/work, which the program seeds from its own
# defaults: no --workdir, no VELTORA_DATA. The envelope size and the fonts come from those defaults.
print_mailing() {
    local batch=$1 scratch=$2
    mkdir -p "$scratch/home"
    printf '%s\t%s\t%s\t%s\n' \
        'Петров Пётр' 'ул. Ленина, 3' 'Харьков' '61000' \
        'Сидорова Анна' 'ул. Мира, 7' 'Полтава' '36000' \
        'Коваленко Олег' 'вул. Шевченка, 12' 'Львів' '79000' >"$scratch/mailing.txt"
    env -u VELTORA_DATA HOME="$scratch/home" VELTORA_WORKDIR="$scratch/work" \
        "$batch" --table "$scratch/mailing.txt" --columns 0,-,-,1,2,-,-,-,3 -o "$scratch/mailing.pdf" ||
        fail "$batch could not print the mailing (exit $?)"
    [ -f "$scratch/work/parfile" ] && [ -f "$scratch/work/oblrus.txt" ] ||
        fail "$batch did not seed its working directory from its defaults"
    local pages
    pages=$(pdfinfo "$scratch/mailing.pdf" | awk '/^Pages:/ {print $2}')
    [ "$pages" = 3 ] || fail "$scratch/mailing.pdf has ${pages:-no} pages, not one per recipient (3)"
}
