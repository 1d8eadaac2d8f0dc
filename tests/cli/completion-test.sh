#!/bin/bash
# The bash completion of corvane38-cli, sourced as bash-completion would: it is
# registered for the command, and completes commands, options, choice keys and their
# values as the lines below expect.
# Usage: completion-test.sh COMPLETION_FILE PROGRAM_FOLDER
set -u
COMPLETION=$1
FOLDER=$2
# shellcheck source=/dev/null
source "$COMPLETION"
failures=0

registered=$(complete -p corvane38-cli 2>&1)
if [[ $registered != "complete -o default -F _corvane38_cli corvane38-cli" ]]; then
    echo "FAIL: complete -p corvane38-cli: $registered"
    failures=1
fi

# Completes LINE as bash would with the cursor at its end: words split at blanks and at
# "=" (which COMP_WORDBREAKS holds), the last word the one being completed.
complete_line() {
    COMP_LINE=$1
    COMP_POINT=${#1}
    local split
    split=$(printf '%s' "$1" | sed 's/=/ = /g')
    read -r -a COMP_WORDS <<<"$split"
    if [[ $1 == *[[:space:]] || $1 == *= ]]; then
        COMP_WORDS+=("")
    fi
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _corvane38_cli
    printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' '
}

PATH="$FOLDER:$PATH"
STUB=$(mktemp -d)
trap 'rm -rf "$STUB"' EXIT
# A program whose --help lists a command no other one has: the list follows --help.
cat >"$STUB/corvane38-cli" <<'EOF'
#!/bin/sh
printf 'usage: corvane38-cli COMMAND\n\ncommands:\n  zap PART        zaps\n  zoom\n\noptions:\n  --zz   no command\n'
EOF
chmod +x "$STUB/corvane38-cli"

# LINE | the completions, sorted and joined by blanks
while IFS='|' read -r line expected; do
    [[ -n $line ]] || continue
    line=${line//@STUB@/$STUB}
    got=$(complete_line "$line")
    if [[ $got != "$expected" ]]; then
        echo "FAIL: '$line' completes to '$got', expected '$expected'"
        failures=1
    fi
done <<'EOF'
corvane38-cli con|configure convert 
corvane38-cli ch|check 
corvane38-cli --app-dir /tmp pd|pdf 
corvane38-cli --v|--version 
corvane38-cli configure fam|family= 
corvane38-cli configure fl|flangeA= flangeB= 
corvane38-cli configure family=1|1 10 
corvane38-cli configure units=|M P 
corvane38-cli order --answer s|swap 
corvane38-cli configure --an|--answer 
corvane38-cli export |sheet sitelist text xml 
corvane38-cli pdf s|specs 
corvane38-cli find 10 fa|family= 
@STUB@/corvane38-cli z|zap zoom 
EOF

# Flange codes from the catalogue of the program folder.
got=$(complete_line "corvane38-cli configure flangeB=")
for code in A B; do
    if [[ " $got " != *" $code "* ]]; then
        echo "FAIL: flangeB= does not offer the flange code $code: '$got'"
        failures=1
    fi
done
got=$(complete_line "corvane38-cli configure waveguide=18")
if [[ $got != "187 " ]]; then
    echo "FAIL: waveguide=18 completes to '$got', expected '187 '"
    failures=1
fi
exit $failures
