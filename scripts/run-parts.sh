#!/usr/bin/env bash
# run-parts.sh: runs one search program of the tool chain over parts of a collection in
# parallel with GNU parallel, each part in a folder of its own (the programs read and
# write fixed file names), and joins the result files, the protocols and the console
# lines in part order into what one run over the whole input gives.
set -euo pipefail
export LC_ALL=C
# The part commands are quoted for bash. GNU parallel runs them with $PARALLEL_SHELL,
# else with a shell it guesses; where $SHELL is unset (cron, batch systems) its remote
# jobs then end with status 0 without having run at all.
export PARALLEL_SHELL=${PARALLEL_SHELL:-$BASH}

me=$(basename "$0")
here=$(cd "$(dirname "$0")" && pwd)

usage() {
  cat <<EOF
Usage: $me [options] PROGRAM INPUT...

Runs PROGRAM (cyclesearch1, cyclesearch2, cyclesearch2x, cyclesearch3, cyclesearch3x,
pairsearch, pairsearchx) over parts of its input in parallel and joins the results in
part order: the result file, the protocol and the console lines equal those of one run
over the whole input, but for the elapsed time, which is the sum of the parts' times.

One INPUT is cut into parts at record boundaries: a collection for the cycle searches
(records of 4 lines; blank lines between records are dropped), a dominating-cycle file
for the 2DBP searches (records of 7 lines). Several INPUTs are taken as parts already
made, in the order given (graphsplit's parts, slices converted by graphimport, ...).

Each part runs in its own folder part_001, part_002, ... with its input under the
program's fixed input name. The joined result file and protocol are written under the
program's own names to the output folder, replacing files of those names; the console
lines of the parts go to standard output. A part that fails stops the run: nothing
joined is written, the part folders are kept, and the script ends with the part's exit
status.

Options:
  -j, --jobs N           parts run at once on each machine (default: its cores)
  -n, --parts N          cut the one INPUT into N parts (default: the jobs, or the
                         local cores); fewer when the input has fewer records
  -o, --output DIR       where the joined result and protocol land (default: .)
  -S, --sshlogin LOGIN   run parts on LOGIN too (GNU parallel's --sshlogin; ":" is this
                         machine); may be repeated
      --sshloginfile FILE   the logins listed in FILE (GNU parallel's --sshloginfile)
      --shared           the part folders lie in a folder that every machine sees at
                         the same path; otherwise inputs and outputs of remote parts are
                         sent with rsync and the remote copies removed afterwards
      --bin DIR          where the programs are (default: build/bin beside this
                         script's folder); remote machines must have them at the same
                         absolute path
      --workdir DIR      where the part folders are made (it must be new or empty;
                         default: a fresh folder run-parts.XXXXXX in the output folder)
      --keep             keep the part folders after a successful run
      --progress         show GNU parallel's progress bar on standard error
  -h, --help             show this help

Needs GNU parallel (Debian package parallel), and rsync on every machine for remote
parts without --shared.
EOF
}

die() {
  echo "$me: $*" >&2
  exit 1
}

usage_error() {
  echo "$me: $*" >&2
  echo "Try '$me --help'." >&2
  exit 2
}

# ------------------------------------------------------------------ the programs' files

# Sets the file names and conventions of a search program: its input, result and
# protocol names, the lines of an input record, the protocol's wording, whether the
# protocol ends its (possibly empty) list with a line end, and whether records are
# numbered by their position in the input.
program_conventions() {
  record_lines=4 wording=cycles closing_line_end=yes by_position=no
  case "$1" in
    cyclesearch1) input_name=s26_c4.c result_name=s26_c4_dom.c protocol_name=protokol.txt ;;
    cyclesearch2) input_name=s30_c4.c result_name=s30_c4_dom.c protocol_name=protokol.txt ;;
    cyclesearch3) input_name=s28_c4.c result_name=s28_c4_dom.c protocol_name=protokol.txt ;;
    cyclesearch2x | cyclesearch3x)
      input_name=s30_26251.c result_name=s30_26251_dom.c protocol_name=protokol_26251.txt
      # cyclesearch2x begins its protocol with the count line, cyclesearch3x with an
      # empty line.
      if [[ $1 == cyclesearch2x ]]; then closing_line_end=no; fi
      ;;
    pairsearch)
      input_name=s30_c4_dom_vyb.c result_name=s30_c4_2dbp_vyb.c protocol_name=protokol_vyb.txt
      record_lines=7 wording=pairs
      ;;
    pairsearchx)
      input_name=s30_26251_dom.c result_name=s30_26251_2dbp.c protocol_name=protokol_26251.txt
      record_lines=7 wording=pairs by_position=yes
      ;;
    *) return 1 ;;
  esac
}

# ------------------------------------------------------------------------------ options

jobs='' parts='' output=. bin="$here/../build/bin" workdir='' shared=no keep=no progress=no
sshlogins=()

# The value of an option given as "--opt value" or "--opt=value"; sets `value` and
# `shift_by`.
option_value() {
  local option=$1 next=${2-} has_next=$3
  if [[ $option == *=* ]]; then
    value=${option#*=} shift_by=1
  elif [[ $has_next == yes ]]; then
    value=$next shift_by=2
  else
    usage_error "option ${option%%=*} needs a value"
  fi
}

while (($#)); do
  arg=$1
  has_next=no
  (($# > 1)) && has_next=yes
  case "$arg" in
    -h | --help) usage; exit 0 ;;
    -j | --jobs | --jobs=*) option_value "$arg" "${2-}" "$has_next"; jobs=$value ;;
    -j?*) value=${arg#-j} shift_by=1; jobs=$value ;;
    -n | --parts | --parts=*) option_value "$arg" "${2-}" "$has_next"; parts=$value ;;
    -n?*) value=${arg#-n} shift_by=1; parts=$value ;;
    -o | --output | --output=*) option_value "$arg" "${2-}" "$has_next"; output=$value ;;
    -S | --sshlogin | --sshlogin=*)
      option_value "$arg" "${2-}" "$has_next"; sshlogins+=(--sshlogin "$value") ;;
    --sshloginfile | --sshloginfile=*)
      option_value "$arg" "${2-}" "$has_next"; sshlogins+=(--sshloginfile "$value") ;;
    --bin | --bin=*) option_value "$arg" "${2-}" "$has_next"; bin=$value ;;
    --workdir | --workdir=*) option_value "$arg" "${2-}" "$has_next"; workdir=$value ;;
    --shared) shared=yes shift_by=1 ;;
    --keep) keep=yes shift_by=1 ;;
    --progress) progress=yes shift_by=1 ;;
    --) shift; break ;;
    -?*) usage_error "unknown option $arg" ;;
    *) break ;;
  esac
  shift "$shift_by"
done

(($# >= 2)) || usage_error "give a program and at least one input"
program=$1
shift
inputs=("$@")
program_conventions "$program" ||
  usage_error "unknown program '$program' (one of cyclesearch1, cyclesearch2, cyclesearch2x, cyclesearch3, cyclesearch3x, pairsearch, pairsearchx)"

is_count() { [[ $1 =~ ^[1-9][0-9]*$ ]]; }
[[ -z $jobs ]] || is_count "$jobs" || usage_error "--jobs needs a positive whole number, not '$jobs'"
[[ -z $parts ]] || is_count "$parts" || usage_error "--parts needs a positive whole number, not '$parts'"
((${#inputs[@]} == 1)) || [[ -z $parts ]] ||
  usage_error "--parts cuts one input; several inputs are the parts themselves"
for input in "${inputs[@]}"; do
  [[ -f $input && -r $input ]] || usage_error "cannot read the input '$input'"
done
[[ $shared == no || ${#sshlogins[@]} -gt 0 ]] || usage_error "--shared goes with --sshlogin or --sshloginfile"

parallel --will-cite --version 2>/dev/null | grep -q 'GNU parallel' ||
  die "GNU parallel is not installed (Debian package parallel)"
[[ -d $bin ]] || die "no program folder $bin (build the programs, or give --bin)"
bin=$(cd "$bin" && pwd)
[[ -x $bin/$program ]] || die "no program $bin/$program (build it, or give --bin)"

mkdir -p "$output"
output=$(cd "$output" && pwd)
if [[ -n $workdir ]]; then
  mkdir -p "$workdir"
  [[ -z $(ls -A "$workdir") ]] || die "the work folder $workdir is not empty"
  workdir=$(cd "$workdir" && pwd)
else
  workdir=$(mktemp -d "$output/run-parts.XXXXXX")
fi

# ------------------------------------------------------------------------ making parts

part_count=0 part_width=3 part_sources=()
part_folder() { printf 'part_%0*d' "$part_width" "$1"; }

make_part_folders() {
  part_count=$1
  ((${#part_count} <= part_width)) || part_width=${#part_count}
  local i
  for ((i = 1; i <= part_count; i++)); do mkdir "$workdir/$(part_folder "$i")"; done
}

# Reads an input the way the programs do: a line ends at LF, CR LF or a lone CR, and the
# character 26 ends the file. Prints a line "#" where a record starts, then each line of
# the record after a "|", with CR LF line ends. A record starts at the next line holding
# anything but blanks and control characters; the lines before it are dropped.
# shellcheck disable=SC2016 # an awk program
RECORDS_AWK='
function take(line) {
  if (in_record == 0) {
    blank = line
    gsub(/[\001-\040]/, "", blank)
    if (blank == "") return
    in_record = lines_per_record
    print "#"
  }
  printf "|%s\r\n", line
  in_record--
}
{
  sub(/\r$/, "")
  stop = index($0, "\032")
  if (stop) $0 = substr($0, 1, stop - 1)
  count = split($0, pieces, "\r")
  if (count == 0) take("")
  for (i = 1; i <= count; i++) take(pieces[i])
  if (stop) exit
}'

# Cuts the one input into `parts` parts of consecutive records, as even as can be (the
# earlier parts take one record more), never more parts than records and at least one.
cut_input() {
  local input=$1 wanted=$2 records
  records=$(awk -v lines_per_record="$record_lines" "$RECORDS_AWK" "$input" | grep -c '^#' || true)
  local count=$((records < wanted ? records : wanted))
  ((count >= 1)) || count=1
  make_part_folders "$count"
  : > "$workdir/$(part_folder 1)/$input_name"
  local base=$((records / count)) extra=$((records % count)) i last=0
  for ((i = 1; i <= count; i++)); do
    part_sources[i]="records $((last + 1)) to $((last += base + (i <= extra))) of $input"
  done
  awk -v lines_per_record="$record_lines" "$RECORDS_AWK" "$input" |
    awk -v records="$records" -v parts="$count" -v dir="$workdir" -v width="$part_width" \
      -v name="$input_name" '
      BEGIN { base = int(records / parts); extra = records % parts }
      /^#/ {
        if (++record > last) {
          last += base + (++part <= extra)
          if (file != "") close(file)
          file = sprintf("%s/part_%0" width "d/%s", dir, part, name)
        }
        next
      }
      { print substr($0, 2) > file }'
}

take_made_parts() {
  make_part_folders "$#"
  local i=0 part
  for part in "$@"; do
    i=$((i + 1))
    cp -- "$part" "$workdir/$(part_folder "$i")/$input_name"
    part_sources[i]=$part
  done
}

if ((${#inputs[@]} == 1)); then
  wanted=$parts
  [[ -n $wanted ]] || wanted=${jobs:-$(nproc)}
  cut_input "${inputs[0]}" "$wanted"
else
  take_made_parts "${inputs[@]}"
fi

# ------------------------------------------------------------------------ running parts

# GNU parallel starts every job in the folder above the work folder; each job enters its
# part folder by a path relative to that, which a remote machine, given the files by
# rsync, has below its login folder. With --shared every machine takes the absolute path.
run_parts() {
  local base=${workdir%/*} name=${workdir##*/} enter='{}'
  [[ -n $base ]] || base=/
  [[ $shared == yes ]] && enter="$(printf '%q' "$base")/{}"
  local options=(--will-cite --halt 'now,fail=1' --joblog "$workdir/joblog.txt")
  [[ -n $jobs ]] && options+=(-j "$jobs")
  [[ $progress == yes ]] && options+=(--bar)
  options+=("${sshlogins[@]}")
  if ((${#sshlogins[@]})) && [[ $shared == no ]]; then
    options+=(--transferfile "{}/$input_name" --return "{}/$result_name"
      --return "{}/$protocol_name" --return "{}/console.txt" --cleanup)
  fi
  local folders=() i
  for ((i = 1; i <= part_count; i++)); do folders+=("$name/$(part_folder "$i")"); done
  local command
  command="cd $enter && exec $(printf '%q' "$bin/$program") > console.txt"
  (cd "$base" && parallel "${options[@]}" "$command" ::: "${folders[@]}")
}

# The failure report of a part, or the last lines it printed.
part_report() {
  local console=$1
  [[ -f $console ]] || return 0
  awk '{ sub(/\r$/, "") } /^Runtime error / { n = 0 } { kept[++n] = $0 } END { s = n > 10 ? n - 9 : 1; for (i = s; i <= n; i++) print kept[i] }' "$console" |
    sed '/./s/^/  /'
}

# Names every part that failed (from GNU parallel's job log) and stops.
report_failed_parts() {
  local status=$1 failed=0 seq exitval signal _
  [[ -f $workdir/joblog.txt ]] || : > "$workdir/joblog.txt"
  while IFS=$'\t' read -r seq _ _ _ _ _ exitval signal _; do
    [[ $seq =~ ^[0-9]+$ ]] || continue
    ((exitval != 0 || signal != 0)) || continue
    local folder
    folder=$(part_folder "$seq")
    if ((signal != 0)); then
      echo "$me: part $seq ($folder: ${part_sources[seq]}) was ended by signal $signal" >&2
    else
      echo "$me: part $seq ($folder: ${part_sources[seq]}) failed with exit status $exitval" >&2
    fi
    part_report "$workdir/$folder/console.txt" >&2
    ((failed == 0 && exitval > 0 && exitval < 256)) && failed=$exitval
    ((failed != 0)) || failed=1
  done < "$workdir/joblog.txt"
  ((failed != 0)) || echo "$me: GNU parallel stopped with exit status $status" >&2
  echo "$me: nothing joined was written; the parts are in $workdir" >&2
  exit "$((failed != 0 ? failed : (status > 0 && status < 256 ? status : 1)))"
}

status=0
run_parts || status=$?
((status == 0)) || report_failed_parts "$status"

# ------------------------------------------------------------------------- joining

# Each part's protocol as "found unfound hundredths"; a protocol without its count line
# or time line stops the run.
protocol_totals() {
  awk '
    { sub(/\r$/, "") }
    counted && !timed {
      if ($0 !~ /^Trvalo to celkovo: /) exit
      split(substr($0, 20), t, /[:.]/)
      time = ((t[1] * 60 + t[2]) * 60 + t[3]) * 100 + t[4]
      timed = 1
    }
    !counted && substr($0, 1, 1) == "B" { found = $3; unfound = $NF; counted = 1 }
    END { if (timed) print found + 0, unfound + 0, time; else exit 1 }' "$1"
}

found_total=0 unfound_total=0 time_total=0 offsets=()
join_totals() {
  local i folder totals found unfound time
  for ((i = 1; i <= part_count; i++)); do
    folder=$workdir/$(part_folder "$i")
    totals=$(protocol_totals "$folder/$protocol_name") ||
      die "part $i ($(part_folder "$i")) left a protocol without its closing lines; the parts are in $workdir"
    read -r found unfound time <<<"$totals"
    # pairsearchx numbers records by position; every record counts as found or unfound.
    offsets[i]=0
    [[ $by_position == yes ]] && offsets[i]=$((found_total + unfound_total))
    found_total=$((found_total + found))
    unfound_total=$((unfound_total + unfound))
    time_total=$((time_total + time))
  done
}

# Adds the part's offset to the number that starts every line (console lines) or every
# block (result blocks end with an empty line).
renumber() {
  local offset=$1 where=$2 file=$3
  if ((offset == 0)); then
    cat "$file"
    return
  fi
  awk -v offset="$offset" -v where="$where" '
    (where == "lines" || block_start) && match($0, /^-?[0-9]+/) {
      $0 = (substr($0, 1, RLENGTH) + offset) substr($0, RLENGTH + 1)
    }
    { print; block_start = ($0 == "\r" || $0 == "") }
    BEGIN { block_start = 1 }' "$file"
}

join_result() {
  local i
  for ((i = 1; i <= part_count; i++)); do
    renumber "${offsets[i]}" blocks "$workdir/$(part_folder "$i")/$result_name"
  done
}

join_console() {
  local i
  for ((i = 1; i <= part_count; i++)); do
    renumber "${offsets[i]}" lines "$workdir/$(part_folder "$i")/console.txt"
  done
}

# The unfound lists in part order, flowed anew ten to a line, then the closing line end,
# the count line and the time line with the summed counts and times.
join_protocol() {
  local files=() i
  for ((i = 1; i <= part_count; i++)); do files+=("$workdir/$(part_folder "$i")/$protocol_name"); done
  awk -v offsets="${offsets[*]}" -v closing="$closing_line_end" -v wording="$wording" \
    -v found="$found_total" -v unfound="$unfound_total" -v time="$time_total" '
    function padded(n) { return n < 10 ? "0" n : n "" }
    FNR == 1 { part++; listing = 1; split(offsets, offset, " ") }
    { sub(/\r$/, "") }
    listing && substr($0, 1, 1) == "B" { listing = 0 }
    listing {
      for (i = 1; i <= NF; i++) {
        entries++
        if (entries % 10 != 1) printf " "
        printf "%s", (offset[part] == 0 ? $i : $i + offset[part])
        if (entries % 10 == 0) printf "\r\n"
      }
    }
    END {
      if (closing == "yes") printf "\r\n"
      printf "Bolo najdenych %d %s, nebolo najdenych %d\r\n", found,
        (wording == "cycles" ? "dominujucich kruznic" : "dvojic dizjunktnych bipartizujucich pareni"), unfound
      h = int(time / 360000); m = int(time % 360000 / 6000); s = int(time % 6000 / 100)
      printf "Trvalo to celkovo: %s:%s:%s.%s\r\n", padded(h), padded(m), padded(s), padded(time % 100)
    }' "${files[@]}"
}

# Written beside their final names and moved there when complete; made by redirection,
# so that they get the permissions the programs' own files would get.
joined_result=$output/.$result_name.run-parts.$$
joined_protocol=$output/.$protocol_name.run-parts.$$
trap 'rm -f "$joined_result" "$joined_protocol"' EXIT

join_totals
join_result > "$joined_result"
join_protocol > "$joined_protocol"
mv -f "$joined_result" "$output/$result_name"
mv -f "$joined_protocol" "$output/$protocol_name"
join_console
[[ $keep == yes ]] || rm -rf "$workdir"
