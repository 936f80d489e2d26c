# bash completion for kelvaro-cli: the commands, each command's options, their values, and
# schema files (.txt, .xml) or folders where a file is expected.

_kelvaro_cli_schemi() {
    _filedir '@(txt|TXT|xml|XML)'
}

_kelvaro_cli() {
    local cur prev words cword
    _init_completion || return

    local comandi="verifica risolvi pubblica stringi genera libretto aiuto importa esporta"
    if [[ $cword -eq 1 ]]; then
        COMPREPLY=($(compgen -W "$comandi --help --version" -- "$cur"))
        return
    fi

    local comando=${words[1]}
    case $prev in
        --cartella)
            _filedir -d
            return
            ;;
        --tecniche)
            if [[ $comando == genera ]]; then
                COMPREPLY=($(compgen -W "0 1 2 3" -- "$cur"))
            else
                COMPREPLY=($(compgen -W "0 1 2 3 4 5 6 7" -- "$cur"))
            fi
            return
            ;;
        --dimensione)
            COMPREPLY=($(compgen -W "2 3 4 5 6 7 8 9" -- "$cur"))
            return
            ;;
        --richiede)
            COMPREPLY=($(compgen -W "nessuna sottoinsiemi swordfish entrambe maestro" -- "$cur"))
            return
            ;;
        --difficolta)
            COMPREPLY=($(compgen -W "Facile Medio Difficile Esperto" -- "$cur"))
            return
            ;;
        --per-pagina)
            COMPREPLY=($(compgen -W "1 2 4 6" -- "$cur"))
            return
            ;;
        --formato)
            COMPREPLY=($(compgen -W "A4 Letter" -- "$cur"))
            return
            ;;
        --numero | --celle | --soglia | --cicli1 | --cicli2 | --profondita | --griglia)
            return
            ;;
    esac

    local opzioni
    case $comando in
        verifica) opzioni="--help" ;;
        risolvi) opzioni="--tecniche --help" ;;
        aiuto) opzioni="--griglia --tecniche --help" ;;
        pubblica) opzioni="--cartella --principale --stringi --help" ;;
        stringi) opzioni="--cartella --help" ;;
        genera) opzioni="--dimensione --numero --celle --tecniche --soglia --cicli1 --cicli2
                         --profondita --cartella --avanzamento --richiede --difficolta
                         --senza-riepilogo --help" ;;
        libretto) opzioni="--per-pagina --soluzioni --formato --help" ;;
        importa | esporta) opzioni="--help" ;;
        *) return ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$opzioni" -- "$cur"))
        return
    fi
    case $comando in
        verifica | risolvi | aiuto | esporta) _kelvaro_cli_schemi ;;
        importa)
            # CODICE first (pasted, nothing to complete), then the schema file to write.
            ((cword >= 3)) && _kelvaro_cli_schemi
            ;;
        libretto)
            # CARTELLA first, then the PDF to write.
            local posizionali=0 i
            for ((i = 2; i < cword; i++)); do
                case ${words[i]} in
                    --per-pagina | --formato) ((i++)) ;;
                    -*) ;;
                    *) ((posizionali++)) ;;
                esac
            done
            if ((posizionali == 0)); then
                _filedir -d
            else
                _filedir pdf
            fi
            ;;
    esac
} &&
    complete -F _kelvaro_cli kelvaro-cli
